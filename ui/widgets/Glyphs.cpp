// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

#include "Canvas.h"

namespace {

const QColor Grey(128, 128, 128);

// A size x size image on a transparent background.
QPixmap GlyphPixmap(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return pixmap;
}

// Smooth lines; QIcon derives the greyed disabled image itself.
QIcon Glyph(int size, const std::function<void(QPainter &)> &draw)
{
    return QIcon(GlyphPixmap(size, [&](QPainter &painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }));
}

// Drawn on the canvas, once enabled and once disabled.
QIcon GlyphIcon(int size, void (*draw)(Canvas &, bool))
{
    QIcon icon;
    for (const bool enabled : {true, false}) {
        const QPixmap pixmap = GlyphPixmap(size, [&](QPainter &painter) {
            Canvas canvas;
            canvas.attach(&painter);
            draw(canvas, enabled);
        });
        icon.addPixmap(pixmap, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

void Tick(QPainter &p)
{
    p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

} // namespace

QIcon CalculateGlyph() { return Glyph(16, Tick); }

QIcon CopyGlyph()
{
    return Glyph(16, [](QPainter &p) {
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        p.drawLine(QPointF(8.5, 8.5), QPointF(12.5, 8.5));
        p.drawLine(QPointF(8.5, 11.5), QPointF(12.5, 11.5));
    });
}

QIcon CloseGlyph()
{
    return Glyph(18, [](QPainter &p) {
        p.setPen(QPen(QColor(96, 64, 0), 1));
        p.setBrush(QColor(200, 160, 80));
        p.drawRect(QRectF(2.5, 1.5, 9, 15));
        p.setPen(QPen(QColor(160, 0, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(9, 9), QPointF(16, 9));
        p.drawPolyline(QPolygonF({QPointF(13, 6), QPointF(16, 9), QPointF(13, 12)}));
    });
}

void DrawCalendarSheet(Canvas &canvas, bool enabled)
{
    const QColor ink = enabled ? QColor(Qt::black) : Grey;
    canvas.setPenColor(ink);
    canvas.setBrushColor(enabled ? QColor(Qt::white) : QColor(224, 224, 224));
    canvas.rectangle(1, 1, 15, 15);
    canvas.setBrushColor(enabled ? QColor(Qt::red) : Grey);
    canvas.rectangle(1, 1, 15, 5);
    for (int x = 3; x <= 11; x += 3) // the row of marks below the band
        canvas.line(x, 6, x + 2, 6);
    canvas.line(8, 8, 8, 13); // the figure 1: stem, flag and foot
    canvas.line(6, 9, 8, 7);
    canvas.line(6, 13, 11, 13);
}

QIcon CalendarSheetGlyph() { return GlyphIcon(16, DrawCalendarSheet); }

void DrawCloseCross(Canvas &canvas, bool enabled)
{
    canvas.setPenColor(enabled ? QColor(Qt::red) : Grey);
    canvas.setPenWidth(3);
    canvas.line(3, 3, 15, 15);
    canvas.line(15, 3, 3, 15);
}

QIcon CloseCrossGlyph() { return GlyphIcon(18, DrawCloseCross); }
