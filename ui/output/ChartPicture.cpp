// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartPicture.h"

#include "Fonts.h"
#include "ResultDrawing.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>

namespace {

// The window's button-face colour of the classic design, fixed so that the
// picture is the same from the window and from the command line.
constexpr unsigned FaceColor = 15790320;
constexpr int Width = 290;
constexpr int Height = 242;
// The window's result area starts at y = 54; here it moves up under the
// date and time line.
constexpr int Shift = 24;

void DrawLabel(QPainter &painter, int x, int y, const QString &text, const QFont &font)
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y - Shift + QFontMetrics(font).ascent()), text);
}

// The captions' font, made smaller for a line that would not fit the width
// (a long place name), down to a size that still reads.
QFont FittingFont(const QString &text, int width)
{
    constexpr int Largest = 11, Smallest = 7;
    int pixels = Largest;
    while (pixels > Smallest && QFontMetrics(PixelFont(pixels)).horizontalAdvance(text) > width)
        --pixels;
    return PixelFont(pixels);
}

template <typename Drawing>
void DrawArea(QPainter &painter, int x, int y, Drawing drawing)
{
    painter.save();
    painter.translate(x, y - Shift);
    Canvas canvas;
    canvas.attach(&painter);
    drawing(canvas);
    painter.restore();
}

void DrawTables(QPainter &painter, const ChartResult &result)
{
    using namespace TableColors;
    DrawArea(painter, 10, 54, [&](Canvas &c) {
        DrawEmptyTable(c, 230, 81, 4, PillarBackground);
        DrawPillarTokens(c, 230, 81, result);
    });
    for (auto [x, square] : {std::pair{24, &result.YearSquare}, std::pair{160, &result.MonthSquare}})
        DrawArea(painter, x, 160, [&](Canvas &c) {
            DrawEmptyTable(c, 81, 81, 3, SquareBackground);
            DrawSquareNumbers(c, 81, 81, *square);
        });
}

} // namespace

QSize ChartPictureSize() { return {Width, Height}; }

QImage ChartPicture(const SharedChart &chart, qreal pixelRatio)
{
    QImage image(ChartPictureSize() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(ColorFromValue(FaceColor));
    QPainter painter(&image);
    QFont dateFont = PixelFont(13, true);
    dateFont.setItalic(true);
    DrawLabel(painter, 10, 8 + Shift, PrintDateLine(SharedPrintTexts(chart.input)), dateFont);
    DrawTables(painter, chart.result);
    DrawLabel(painter, 244, 85, QStringLiteral("Ствол"), PixelFont(13));
    DrawLabel(painter, 244, 114, QStringLiteral("Ветвь"), PixelFont(13));
    DrawLabel(painter, 8, 144, QStringLiteral("Квадрат феншуй  Года"), PixelFont(11));
    DrawLabel(painter, 144, 144, QStringLiteral("Квадрат феншуй Месяца"), PixelFont(11));
    const QString place = SharedPlaceLine(chart);
    DrawLabel(painter, 10, 246, place, FittingFont(place, Width - 20));
    return image;
}

QByteArray ChartPng(const SharedChart &chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ChartPicture(chart).save(&buffer, "PNG"))
        return {};
    return bytes;
}
