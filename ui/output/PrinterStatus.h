// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// The print system's word on a printer before a job is sent to it.
struct PrinterStatus {
    QString state;     // CUPS "printer-state": "3" idle, "4" printing, "5" stopped; empty when unknown
    QString accepting; // CUPS "printer-is-accepting-jobs": "true" or "false"; empty when unknown
};

// Whether a job may go to a printer in that state: not to one that is
// stopped or refuses jobs. What the print system does not say is no
// obstacle.
bool PrinterTakesJobs(const PrinterStatus &status);

// Asks CUPS about the named printer (a "/instance" suffix is ignored); all
// empty when CUPS does not know it or does not answer.
PrinterStatus QueryPrinterStatus(const QString &printerName);

// True when the print system refused the last request made of it, which
// after a job is the job's submission.
bool LastPrintRequestRefused();
