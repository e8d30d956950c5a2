// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "ChartTypes.h"

// The four pillars of a chart as element tokens, from the solar year and
// month and from the calendar date and hour of local mean time + 1 hour.

// Stem and branch of the month, by year stem digit (0..9) and solar month - 1.
extern const std::array<std::array<Pillar, 12>, 10> MonthPillarTable;

// Hour stems by day stem group - 1 (0..4) and hour branch number (0..11).
extern const std::array<std::array<const char *, 12>, 5> HourStemTable;

// Day count modulo 60 (365 = 5 mod 60): 5 (Y - 1) + (Y - 1) div 4 -
// (Y - 1) div 100 + (Y - 1) div 400 + days before the month + D, with floored
// division so that dates before year 1 keep the sixty-day cycle.
std::int64_t DayNumberOf(const CalendarDate &date);

// The day number (as DayNumberOf) of the day pillar of a chart date and
// local-mean hour: the chart date's own, or with the day change at midnight,
// from 23:00 to 24:00, the day before it. The hour pillar's stem follows the
// chart date under both rules.
std::int64_t DayPillarNumber(const CalendarDate &chartDate, std::int32_t chartHour, bool dayChangeAtMidnight);

// The year pillar of a solar year (it begins at the start of spring).
Pillar YearPillarOf(std::int32_t solarYear);

struct Pillars {
    Pillar HourPillar;
    Pillar DayPillar;
    Pillar MonthPillar;
    Pillar YearPillar;
};

// solarMonth 1..12; any year, date and hour 0..23 give tokens (remainders
// are floored, so nothing leaves its table before year 1).
Pillars BuildPillars(std::int32_t solarYear, std::int32_t solarMonth, const CalendarDate &chartDate,
                     std::int32_t chartHour, bool dayChangeAtMidnight = false);
