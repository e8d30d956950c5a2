// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "Chart.h"
#include "ChartText.h"

// The tool's output forms of one chart. Tokens are UTF-8.

// One batch line: the case (five fields, CsvLineOf), the four pillars as
// "stem branch" and the two squares as nine digits by rows, separated by
// commas; the columns are CsvHeader's.
std::string FormatCsv(std::string_view input, const ChartDetails &details);
inline constexpr char CsvHeader[] =
    "date,time,correction,longitude,hemisphere,hour,day,month,year,year_square,month_square";

// The error line of a batch line: its five fields as read (SplitBatchLine),
// "error" and the reason, each quoted as RFC 4180 says where it needs it.
std::string FormatCsvError(std::string_view line, std::string_view error);

// One JSON object on one line with the keys input, pillars, yearSquare,
// monthSquare, solarYear, solarMonth, squareYear and chartJD; or with the
// keys input and error.
std::string FormatJson(std::string_view input, const ChartDetails &details);

// The keys pillars, yearSquare and monthSquare of a chart's JSON, without braces.
std::string JsonChartKeys(const ChartResult &result);
std::string FormatJsonError(std::string_view input, std::string_view error);

// The JSON object with "key":value added at its end.
std::string JsonWithKey(const std::string &object, std::string_view key, const std::string &value);

// A JSON string literal of the text made printable (PrintableUtf8): valid
// UTF-8, whatever bytes text holds.
std::string JsonString(std::string_view text);
