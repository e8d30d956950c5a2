// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ChartTypes.h"
#include "PrintLayout.h"

#include <memory>

class QPrinter;

// The system's default printer with its own paper and orientation, at the
// printer's real resolution: at screen resolution an A4 page is only about
// 1100 pixels high and the layout's vertical unit would be 0. Null when the
// system has no default printer.
std::unique_ptr<QPrinter> MakeDefaultPrinter();

// Prints one page (DrawPrintPage on the printable area, in device pixels).
// False when the printer is not valid or the job cannot begin, draw or end;
// a begun job that fails is aborted, never left half open.
bool PrintChart(QPrinter &printer, const PrintTexts &texts, const ChartResult &result);

// Prints on the default printer without a dialog. False when there is none,
// it takes no jobs or the job fails.
bool PrintChartOnDefaultPrinter(const PrintTexts &texts, const ChartResult &result);
