// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>

#include "FieldRules.h"

// An input field of the main window. It owns the rules all eight fields
// share: a maximum length that limits typing only, a key filter that runs
// before a character reaches the field, text written by a handler (a change
// only when the text differs, caret at the start), and the events "changed",
// "key released", "clicked" and "exited" as separate signals.
class EditField : public QLineEdit
{
    Q_OBJECT

public:
    EditField(const QString &name, int typingMaxLength, QWidget *parent = nullptr);
    ~EditField() override;

    void setKeyFilter(std::function<KeyDecision(QChar)> filter) { m_filter = std::move(filter); }

    // Runs after every change of the text. A change typed by the user runs it
    // under the error report; a change written by a handler runs it directly,
    // so its errors end that handler.
    void setChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

    // Writes text as a handler does; nothing happens when it is already there.
    void setTextByHandler(const QString &text);

    // Start of the selection when text is selected, else the cursor position.
    int caret() const;
    // The caret as it stood when the focus last left the field, before the
    // line edit dropped its selection.
    int caretAtExit() const { return m_caretAtExit; }

    // From now on the field widens to the left, never past its parent's edge,
    // while its text is wider than the present geometry shows unscrolled
    // ("-10" in a field designed for two digits); any text that fits keeps
    // the present geometry.
    void widenLeftForLongText();

    // Focus, then the first character selected, so the next digit replaces it.
    void advanceInto();
    // Focus given by the program: the whole text selected, also when the
    // window is inactive and the focus only arrives with its activation.
    void focusByProgram();

signals:
    void keyReleased();
    void clicked();
    void exited();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Whether a command of the window (a menu item) has the key as its shortcut.
    bool isWindowShortcut(const QKeyEvent *key) const;
    bool typeCharacter(QKeyEvent *event);
    void focusMoved(QWidget *now);
    bool ownsFocus() const { return window()->focusWidget() == this; }
    int widthShowingText() const;
    void fitWidthToText();

    std::function<KeyDecision(QChar)> m_filter;
    std::function<void()> m_onChange;
    int m_typingMaxLength;
    bool m_settingText = false;
    bool m_focused = false; // entered and not yet exited
    int m_caretAtExit = 0;
    QRect m_designedGeometry; // set once the field widens for long texts
};
