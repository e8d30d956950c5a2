// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

#include "Canvas.h"

// An image area of a fixed size: a bitmap that keeps what was drawn on it and
// a canvas whose pen, brush and font stay set between drawing operations.
class ImageArea : public QWidget
{
    Q_OBJECT

public:
    ImageArea(int width, int height, QWidget *parent = nullptr);

    // Runs the drawing on the bitmap's canvas and shows the result.
    void draw(const std::function<void(Canvas &)> &drawing);

    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    Canvas m_canvas;
};
