// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QWidget;

// The help box for a text that would not fit a message box on the screen:
// the text in a read-only pane that wraps long lines (inside a word when a
// word is wider than the pane) and scrolls, with an OK button, sized to fit
// the screen's available area. No icon, caption "Velmora".
class HelpBox : public QDialog
{
    Q_OBJECT

public:
    HelpBox(const QString &text, QWidget *parent = nullptr);

    // True when a message box would show the text whole on the screen of
    // the parent (or the primary screen): no word wider than the box can
    // grow, and the lines, as the box wraps them, not taller than the
    // screen's available height.
    static bool FitsMessageBox(const QString &text, const QWidget *parent);

private:
    QPlainTextEdit *m_text = nullptr;
};
