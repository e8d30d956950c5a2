// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "ChartTypes.h"

// The four pillars of a chart as element tokens, from the solar year and
// month and from the calendar date and hour of local mean time + 1 hour.

// The sixty-pair cycle, the one table of stems and branches: position 0 is
// ДЕР·ВОД (Ян Дерево, Крыса) .. 59 вод·вод, any position taken modulo 60;
// the position of a stem (0..9 from ДЕР) and a branch (0..11 from Крыса) of
// the same parity.
Pillar CyclePillar(std::int64_t position);
std::int32_t CyclePositionOf(std::int32_t stem, std::int32_t branch);

// The stem (0..9) of a solar year: a year ending in 0 has МЕТ.
std::int32_t YearStemIndex(std::int32_t solarYear);

// The month pillar's position from the solar year and month (1..12, the
// first the Тигр month).
std::int32_t MonthCyclePosition(std::int32_t solarYear, std::int32_t solarMonth);

// Day count modulo 60 (365 = 5 mod 60): 5 (Y - 1) + (Y - 1) div 4 -
// (Y - 1) div 100 + (Y - 1) div 400 + days before the month + D, with floored
// division so that dates before year 1 keep the sixty-day cycle.
std::int64_t DayNumberOf(const CalendarDate &date);

// The day number (as DayNumberOf) of the day pillar of a chart date and
// local-mean hour: the chart date's own, or with the day change at midnight,
// from 23:00 to 24:00, the day before it. The hour pillar's stem follows the
// chart date under both rules.
std::int64_t DayPillarNumber(const CalendarDate &chartDate, std::int32_t chartHour, bool dayChangeAtMidnight);

// The cycle positions of the year of a solar year, of the day of a day
// number (DayPillarNumber's), and of the hour of a chart date and hour
// (its stem follows the chart date, the next one from 23:00).
std::int64_t YearCyclePosition(std::int32_t solarYear);
std::int64_t DayCyclePosition(std::int64_t dayNumber);
std::int32_t HourCyclePosition(const CalendarDate &chartDate, std::int32_t chartHour);

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
