// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ChartTypes.h"
#include "PrintLayout.h"

// The one function of the print module (PrintModule.cpp), looked up by name
// when the program first prints: prints the chart on the default printer
// and says whether the job went through.
inline constexpr char PrintEntryName[] = "VelmoraPrintOnDefaultPrinter";
using PrintEntry = bool (*)(const PrintTexts &texts, const ChartResult &result) noexcept;
