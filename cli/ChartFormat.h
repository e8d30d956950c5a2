// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "BatchFields.h"
#include "Chart.h"
#include "ChartText.h"
#include "Json.h"

// The tool's output forms of one chart. Tokens are UTF-8.

// One batch line: the case (five fields, CsvLineOf), the four pillars as
// "stem branch" and the two squares as nine digits by rows, separated by
// commas; the columns are CsvHeader's.
std::string FormatCsv(std::string_view input, const ChartDetails &details);
inline constexpr char CsvHeader[] =
    "date,time,correction,longitude,hemisphere,hour,day,month,year,year_square,month_square";

// The error line of a batch line of printable text (PrintableUtf8): its
// first five fields as read (missing ones empty, the fifth with any after
// it, commas and all), "error" and the reason, each quoted as RFC 4180 says
// where it needs it.
std::string FormatCsvError(const BatchFields &fields, std::string_view error);

// The JSON object of a chart with the keys input, pillars, yearSquare,
// monthSquare, solarYear, solarMonth, squareYear and chartJD; later keys
// (place, rules, luck, reading, nearestChange) are added after them.
Json ChartJson(std::string_view input, const ChartDetails &details);

// The keys pillars, yearSquare and monthSquare of a chart, added to object.
void AddChartKeys(Json &object, const ChartResult &result);

// {"input":…,"error":…} on one line.
std::string FormatJsonError(std::string_view input, std::string_view error);
