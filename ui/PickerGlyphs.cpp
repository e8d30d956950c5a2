#include "PickerGlyphs.h"

#include <QPainter>
#include <QPixmap>

#include "Canvas.h"

namespace {

const QColor Grey(128, 128, 128);

QIcon GlyphIcon(int size, void (*draw)(Canvas &, bool))
{
    QIcon icon;
    for (const bool enabled : {true, false}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        Canvas canvas;
        canvas.attach(&painter);
        draw(canvas, enabled);
        painter.end();
        icon.addPixmap(pixmap, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

} // namespace

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
    canvas.line(8, 8, 8, 13);        // the figure 1: stem, flag and foot
    canvas.line(6, 9, 8, 7);
    canvas.line(6, 13, 11, 13);
}

QIcon CalendarSheetGlyph()
{
    return GlyphIcon(16, DrawCalendarSheet);
}

void DrawCloseCross(Canvas &canvas, bool enabled)
{
    canvas.setPenColor(enabled ? QColor(Qt::red) : Grey);
    canvas.setPenWidth(3);
    canvas.line(3, 3, 15, 15);
    canvas.line(15, 3, 3, 15);
}

QIcon CloseCrossGlyph()
{
    return GlyphIcon(18, DrawCloseCross);
}
