#include "ChartPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int PdfResolution = 600;

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
        if (!painter.end())
            return {};
    }
    return bytes;
}
