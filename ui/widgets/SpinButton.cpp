// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SpinButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_repeat.setSingleShot(true);
    connect(&m_repeat, &QTimer::timeout, this, &SpinButton::repeat);
}

SpinButton::Half SpinButton::halfAt(const QPoint &pos) const
{
    if (!rect().contains(pos))
        return Half::None;
    return pos.y() < height() / 2 ? Half::Up : Half::Down;
}

void SpinButton::report(Half half)
{
    if (half == Half::Up)
        emit upClicked();
    else if (half == Half::Down)
        emit downClicked();
}

void SpinButton::repeat()
{
    if (m_pressed == Half::None)
        return;
    if (m_pointerOnPressed)
        report(m_pressed);
    m_repeat.start(RepeatMs);
}

void SpinButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = halfAt(event->position().toPoint());
    m_pointerOnPressed = m_pressed != Half::None;
    if (m_pressed != Half::None)
        m_repeat.start(FirstRepeatMs);
    update();
}

void SpinButton::mouseMoveEvent(QMouseEvent *event)
{
    const bool on = m_pressed != Half::None && halfAt(event->position().toPoint()) == m_pressed;
    if (on != m_pointerOnPressed) {
        m_pointerOnPressed = on;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed == Half::None)
        return;
    const Half pressed = m_pressed;
    m_pressed = Half::None;
    m_repeat.stop();
    update();
    if (halfAt(event->position().toPoint()) == pressed)
        report(pressed);
}

void SpinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = halves[i];
        const bool sunken = m_pointerOnPressed && (m_pressed == (i == 0 ? Half::Up : Half::Down));
        option.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

        // A 9 x 6 arrow glyph in the middle of its half.
        const QPoint c = halves[i].center() + (sunken ? QPoint(1, 1) : QPoint());
        const int dir = i == 0 ? -1 : 1;
        QPolygon arrow;
        arrow << QPoint(c.x() - 4, c.y() - dir * 2) << QPoint(c.x() + 4, c.y() - dir * 2)
              << QPoint(c.x(), c.y() + dir * 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(isEnabled() ? QPalette::ButtonText : QPalette::Mid));
        painter.drawPolygon(arrow);
    }
}
