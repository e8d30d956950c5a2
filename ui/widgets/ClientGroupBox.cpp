// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClientGroupBox.h"

#include <QMouseEvent>

ClientGroupBox::ClientGroupBox(const QString &name, const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(name);
}

void ClientGroupBox::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    emit pressed(event->button());
}

void ClientGroupBox::mouseReleaseEvent(QMouseEvent *event)
{
    QGroupBox::mouseReleaseEvent(event);
    // The release that ends a double click is not a click of its own.
    if (event->button() == Qt::LeftButton && !m_doubleClicking && rect().contains(event->position().toPoint()))
        emit clicked();
    m_doubleClicking = false;
}

void ClientGroupBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QGroupBox::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_doubleClicking = true;
        emit doubleClicked();
    }
}
