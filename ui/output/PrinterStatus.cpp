// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PrinterStatus.h"

#include <QLibrary>

#include <cups/cups.h>

namespace {

// The CUPS client library, loaded on the first print rather than linked:
// linked, it and what it pulls in (TLS, Kerberos, Avahi) cost every start
// of the program three milliseconds before the first chart. Qt's print
// support loads the same library to print, so both share its record of the
// last request. All null when it cannot be loaded.
struct CupsCalls {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
};

template <typename Function>
void Resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
}

const CupsCalls &Cups()
{
    static const CupsCalls calls = [] {
        CupsCalls resolved;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return resolved;
        Resolve(library, "cupsGetNamedDest", resolved.getNamedDest);
        Resolve(library, "cupsGetOption", resolved.getOption);
        Resolve(library, "cupsFreeDests", resolved.freeDests);
        Resolve(library, "cupsLastError", resolved.lastError);
        return resolved;
    }();
    return calls;
}

} // namespace

bool PrinterTakesJobs(const PrinterStatus &status)
{
    return status.state != QStringLiteral("5") && status.accepting != QStringLiteral("false");
}

PrinterStatus QueryPrinterStatus(const QString &printerName)
{
    const CupsCalls &cups = Cups();
    if (!cups.getNamedDest || !cups.getOption || !cups.freeDests)
        return {};
    const QByteArray queue = printerName.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t *dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return {};
    const auto option = [&cups, dest](const char *name) {
        return QString::fromUtf8(cups.getOption(name, dest->num_options, dest->options));
    };
    PrinterStatus status{option("printer-state"), option("printer-is-accepting-jobs")};
    cups.freeDests(1, dest);
    return status;
}

// Qt's print engine submits the job through the same CUPS library and
// ignores the answer; the library keeps the status of its last request.
bool LastPrintRequestRefused()
{
    const CupsCalls &cups = Cups();
    return cups.lastError && cups.lastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE;
}
