#pragma once

#include <string>
#include <string_view>

#include "Chart.h"

// The tool's output forms of one chart. Tokens are UTF-8.

// The pillar table under "Час", "День", "Месяц", "Год" with the rows "Ствол"
// and "Ветвь", then the squares under "Квадрат Года" and "Квадрат Месяца".
std::string FormatTable(const ChartResult &result);

// One batch line: the case, the four pillars as "stem branch" and the two
// squares as nine digits by rows, separated by commas.
std::string FormatCsv(std::string_view input, const ChartDetails &details);
std::string FormatCsvError(std::string_view input, std::string_view error);

// One JSON object on one line with the keys input, pillars, yearSquare,
// monthSquare, solarYear, solarMonth, squareYear and chartJD.
std::string FormatJson(std::string_view input, const ChartDetails &details);
std::string FormatJsonError(std::string_view input, std::string_view error);

// A JSON string literal; invalid UTF-8 bytes become U+FFFD.
std::string JsonString(std::string_view text);
