// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose click is dropped when the press that should have given
// it the focus ended with the focus taken elsewhere (a field's exit check
// showed a message and kept the focus), so one press does not report a
// problem and then also run the button's command.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QIcon &glyph, const QString &text, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
