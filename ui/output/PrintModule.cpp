// SPDX-License-Identifier: AGPL-3.0-or-later
// The print module: the printing code with Qt's print support behind it.
// The program loads it on the first print (PrintCommand.cpp) instead of
// linking it, so that no start of the program pays for loading the print
// libraries.

#include "PrintEntry.h"
#include "Printing.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT bool VelmoraPrintOnDefaultPrinter(const PrintTexts &texts, const ChartResult &result) noexcept
{
    try {
        return PrintChartOnDefaultPrinter(texts, result);
    } catch (...) {
        return false; // a failed print, never an escape into the program's event loop
    }
}

static_assert(std::is_same_v<decltype(&VelmoraPrintOnDefaultPrinter), PrintEntry>);
