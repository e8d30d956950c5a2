// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ImageArea.h"

#include <QPainter>

ImageArea::ImageArea(int width, int height, QWidget *parent)
    : QWidget(parent)
    , m_image(width, height, QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::transparent);
    setFixedSize(width, height);
}

void ImageArea::draw(const std::function<void(Canvas &)> &drawing)
{
    QPainter painter(&m_image);
    m_canvas.attach(&painter);
    drawing(m_canvas);
    m_canvas.attach(nullptr);
    update();
}

void ImageArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
