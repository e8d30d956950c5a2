#include "PrinterStatus.h"

#include <cups/cups.h>

bool PrinterTakesJobs(const PrinterStatus &status)
{
    return status.state != QStringLiteral("5") && status.accepting != QStringLiteral("false");
}

PrinterStatus QueryPrinterStatus(const QString &printerName)
{
    const QByteArray queue = printerName.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return {};
    const auto option = [dest](const char *name) {
        return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
    };
    PrinterStatus status{option("printer-state"), option("printer-is-accepting-jobs")};
    cupsFreeDests(1, dest);
    return status;
}

// Qt's print engine submits the job through the same CUPS library and
// ignores the answer; the library keeps the status of its last request.
bool LastPrintRequestRefused()
{
    return cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE;
}
