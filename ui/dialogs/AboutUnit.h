// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;

// The about box: product name and version in maroon, two navy lines below.
// Created once at start and shown modally; it has no buttons and closes with
// its close box (or Esc).
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &text, int left, int top, unsigned color, int pixelSize);

    QFrame *Panel1 = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
};
