// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int PdfResolution = 600;

// The place line under the squares, as far below them as their captions
// stand below the table, in the captions' type; the luck pillars' lines, if
// any, under it in a smaller type, a sentence's clauses on lines of their
// own so that none runs off the page.
void DrawPlaceAndLuck(Canvas &canvas, qint64 pageWidth, qint64 pageHeight, const SharedChart &chart)
{
    const PrintLayout l = ComputePrintLayout(pageWidth, pageHeight);
    canvas.setFontBold(false);
    canvas.setFontItalic(false);
    canvas.setFontPointSize(12);
    const qint64 gap = l.captionTop - l.top - l.tableHeight;
    qint64 y = l.squareTop + l.tableHeight + gap;
    canvas.textOut(int(l.left), int(y), SharedPlaceLine(chart));
    canvas.setFontPointSize(10);
    y += gap / 2;
    for (const QString &line : QString::fromStdString(chart.luck).split(u'\n', Qt::SkipEmptyParts))
        for (const QString &clause : line.split(QStringLiteral("; ")))
            canvas.textOut(int(l.left), int(y += gap), clause);
}

// The chart's reading on a page of its own, a line a paragraph, wrapped at
// the page's margins.
void DrawReadingPage(QPainter &painter, int pageWidth, const QString &reading)
{
    const int margin = pageWidth / 12;
    QFont font = painter.font();
    font.setBold(false);
    font.setItalic(false);
    font.setPointSize(11);
    painter.setFont(font);
    int y = margin;
    for (const QString &line : reading.split(u'\n', Qt::SkipEmptyParts)) {
        const QRect room(margin, y, pageWidth - 2 * margin, pageWidth);
        const QRect used = painter.boundingRect(room, Qt::TextWordWrap, line);
        painter.drawText(room, Qt::TextWordWrap, line);
        y += used.height() + painter.fontMetrics().height() / 3;
    }
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
        DrawPlaceAndLuck(canvas, writer.width(), writer.height(), chart);
        if (!chart.reading.empty() && writer.newPage())
            DrawReadingPage(painter, writer.width(), QString::fromStdString(chart.reading));
        if (!painter.end())
            return {};
    }
    return bytes;
}
