// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CopyPanel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

CopyPanel::CopyPanel(const QString &title, QColor colour, QWidget *parent)
    : QGroupBox(title, parent)
    , m_colour(colour)
{
    QPalette panel = palette();
    panel.setColor(QPalette::Window, colour);
    setPalette(panel);
}

void CopyPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    // Only the caption comes from the style.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_GroupBoxLabel;
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}
