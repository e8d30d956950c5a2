#include "ChartPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int PdfResolution = 600;

// The place line under the squares, as far below them as their captions
// stand below the table, in the captions' type.
void DrawPlaceLine(Canvas &canvas, qint64 pageWidth, qint64 pageHeight, const QString &line)
{
    const PrintLayout l = ComputePrintLayout(pageWidth, pageHeight);
    canvas.setFontBold(false);
    canvas.setFontItalic(false);
    canvas.setFontPointSize(12);
    canvas.textOut(int(l.left), int(l.squareTop + l.tableHeight + (l.captionTop - l.top - l.tableHeight)), line);
}

} // namespace

QByteArray ChartPdf(const SharedChart &chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(SharedMoment(chart.input));
        writer.setCreator(QStringLiteral("Velmora"));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        Canvas canvas;
        canvas.attach(&painter);
        DrawPrintPage(canvas, writer.width(), writer.height(), SharedPrintTexts(chart.input), chart.result);
        DrawPlaceLine(canvas, writer.width(), writer.height(), SharedPlaceLine(chart));
        if (!painter.end())
            return {};
    }
    return bytes;
}
