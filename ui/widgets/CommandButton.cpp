// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CommandButton.h"

#include <QMouseEvent>

CommandButton::CommandButton(const QIcon &glyph, const QString &text, QWidget *parent)
    : QPushButton(glyph, text, parent)
{
    setAutoDefault(true); // Enter on the focused button presses it
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    const QWidget *focus = window()->focusWidget();
    if (event->button() == Qt::LeftButton && focus && focus != this) {
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}
