// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Printing.h"

#include "PrinterStatus.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <exception>

namespace {

// Not every print engine can take a job back; asking is all there is.
bool AbortJob(QPrinter &printer)
{
    printer.abort();
    return false;
}

} // namespace

std::unique_ptr<QPrinter> MakeDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool PrintChart(QPrinter &printer, const PrintTexts &texts, const ChartResult &result)
{
    if (!printer.isValid())
        return false;
    const qint64 pageWidth = printer.width();
    const qint64 pageHeight = printer.height();
    QPainter painter;
    if (!painter.begin(&printer))
        return AbortJob(printer);
    try {
        Canvas canvas;
        canvas.attach(&painter);
        DrawPrintPage(canvas, pageWidth, pageHeight, texts, result);
    } catch (const std::exception &) {
        AbortJob(printer);
        painter.end();
        return false;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return AbortJob(printer);
    return true;
}

// A printer that is stopped or refuses jobs would leave the job stuck or
// drop it without a word, so it is asked first; a job the print system
// refuses at submission failed too.
bool PrintChartOnDefaultPrinter(const PrintTexts &texts, const ChartResult &result)
{
    const std::unique_ptr<QPrinter> printer = MakeDefaultPrinter();
    return printer && PrinterTakesJobs(QueryPrinterStatus(printer->printerName()))
        && PrintChart(*printer, texts, result) && !LastPrintRequestRefused();
}
