// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

#include "ChartTypes.h"

// A calculation's failure in words, the one place that words them.

// The window's message box text, the program's own Russian sentence:
// "Установленная дата не существует", "Дата вне диапазона эфемериды".
QString ChartErrorMessage(ChartError error);

// The tool's reason in the language chosen at start, UTF-8: "the date does
// not exist", "the date is outside the range of the ephemeris".
std::string ChartErrorText(ChartError error);
