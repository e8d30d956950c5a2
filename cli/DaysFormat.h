// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "AlmanacRow.h"

// The tool's almanac of days (--days FROM TO): a row a day, as CSV or as one
// JSON object a line, with the person's marks when a chart is given.

inline constexpr int MaxDays = 3660;

// "DD.MM.YYYY", a date that exists in years 1..5000; nothing otherwise.
std::optional<CalendarDate> ParseDayDate(std::string_view text);

// date,weekday,stem,branch,animal,day_star,officer,mansion,clash,hour_stars
// and ",marks" with a chart; hour_stars as twelve digits from the Крыса
// hour, marks joined by "; ".
std::string DaysCsvHeader(bool withChart);
std::string DayCsv(const AlmanacRow &row);

// {"date":"01.01.2027","weekday":"пт","stem":"…","branch":"…","animal":"…",
// "dayStar":N,"officer":"…","mansion":"…","clash":"…","hourStars":[12],
// "forChart":{"clashes":["year"|"day",..],"stars":[..]}} (forChart only
// with a chart).
std::string DayJson(const AlmanacRow &row);

// Writes the rows of from..to (inclusive), each also added to kept when
// given; EphemerisRange, with nothing more written, at the first day the
// ephemeris cannot give.
ChartError WriteDays(const CalendarDate &from, const CalendarDate &to, const std::optional<ChartSigns> &chart,
                     bool json, bool header, std::ostream &out, std::vector<AlmanacRow> *kept = nullptr);
