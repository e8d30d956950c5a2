#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

QIcon Glyph(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return QIcon(pixmap); // QIcon derives the greyed disabled image itself
}

void Tick(QPainter &p)
{
    p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

} // namespace

QIcon CalculateGlyph()
{
    return Glyph(16, Tick);
}

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
