// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartPdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "ReportLayout.h"

namespace {

constexpr int PdfResolution = 600;

// The place line under the squares, as far below them as their captions
// stand below the table, in the captions' type; the client's name, if any,
// above the table in the same type.
void DrawPlaceAndClient(Canvas &canvas, qint64 pageWidth, qint64 pageHeight, const SharedChart &chart)
{
    const PrintLayout l = ComputePrintLayout(pageWidth, pageHeight);
    canvas.setFontBold(false);
    canvas.setFontItalic(false);
    canvas.setFontPointSize(12);
    const qint64 gap = l.captionTop - l.top - l.tableHeight;
    canvas.textOut(int(l.left), int(l.squareTop + l.tableHeight + gap), SharedPlaceLine(chart));
    if (!chart.report.Client.empty())
        canvas.textOut(int(l.left), int(l.top / 5), QString::fromStdString(ClientLine(chart.report.Client)));
}

// "стр. 2 из 3", centred in the bottom margin.
void DrawPageNumber(QPainter &painter, const ReportLayout &layout, const QRectF &page, int number, int count)
{
    const QString text = QStringLiteral("стр. %1 из %2").arg(number).arg(count);
    painter.setFont(layout.font(ReportStyle::Body));
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(
        QPointF(page.center().x() - metrics.horizontalAdvance(text) / 2, page.bottom() - page.width() / 24), text);
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
        const QRectF page(0, 0, writer.width(), writer.height());
        const double margin = page.width() / 12;
        ReportLayout layout(&writer, page.adjusted(margin, margin, -margin, -margin), Canvas::defaultFont());
        const std::vector<ReportPage> report = layout.pages(ReportBlocks(chart.report));
        const int count = 1 + int(report.size());
        Canvas canvas;
        canvas.attach(&painter);
        DrawPrintPage(canvas, writer.width(), writer.height(), SharedPrintTexts(chart.input), chart.result);
        DrawPlaceAndClient(canvas, writer.width(), writer.height(), chart);
        DrawPageNumber(painter, layout, page, 1, count);
        for (std::size_t i = 0; i < report.size(); ++i) {
            if (!writer.newPage())
                return {};
            layout.draw(painter, report[i]);
            DrawPageNumber(painter, layout, page, int(i) + 2, count);
        }
        if (!painter.end())
            return {};
    }
    return bytes;
}
