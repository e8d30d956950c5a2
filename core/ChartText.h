// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

#include "ChartTypes.h"

// A chart as plain text to paste into a message: one line naming the moment
// and the place in the tool's argument forms, then the tool's table.

// The pillar table under "Час", "День", "Месяц", "Год" with the rows "Ствол"
// and "Ветвь", then the squares under "Квадрат Года" and "Квадрат Месяца":
// the tool's text output.
std::string FormatTable(const ChartResult &result);

// "25.12.2020 08:30, поправка +5, долгота 060:36E", signed like the place line.
std::string FormatHeader(const ChartInput &input);

// The header line, the place line when the chart has a place (placeName not
// empty), and the tool's text output under them.
std::string FormatChartText(const ChartInput &input, const ChartResult &result, const std::string &placeName);
