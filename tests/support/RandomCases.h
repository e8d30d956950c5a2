// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// Seeded random cases shared by the solar-term tests and the by-hand checks
// in bench/: searches as the chart makes them, and chart inputs.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

#include "ChartTypes.h"
#include "Gregorian.h"
#include "SolarTerms.h"
#include "TimeScale.h"

struct TermCase {
    TermStart Start;
    std::int32_t Correction = 0;
};

// One of the twelve searches of a random search year in 1..3000, with a
// correction of -23..23 hours.
inline TermCase RandomTermCase(std::mt19937_64 &random)
{
    const auto searchYear = std::uniform_int_distribution<std::int32_t>(1, 3000)(random);
    const int index = std::uniform_int_distribution<int>(0, 11)(random);
    const auto correction = std::uniform_int_distribution<std::int32_t>(-23, 23)(random);
    return {SolarTermStart(searchYear, index), correction};
}

// A chart input of an existing date in years firstYear..lastYear, any clock
// time, correction and longitude in the ranges the fields keep.
inline ChartInput RandomChartInput(std::mt19937_64 &random, std::int32_t firstYear, std::int32_t lastYear)
{
    auto pick = [&random](std::int32_t low, std::int32_t high) {
        return std::uniform_int_distribution<std::int32_t>(low, high)(random);
    };
    ChartInput input;
    input.Year = pick(firstYear, lastYear);
    input.Month = pick(1, 12);
    input.Day = pick(1, DaysInMonth(input.Year, input.Month));
    input.Hour = pick(0, 23);
    input.Minute = pick(0, 59);
    input.Correction = pick(-23, 23);
    input.LongitudeDegrees = pick(0, 179);
    input.LongitudeMinutes = pick(0, 59);
    input.Hemisphere.assign(1, pick(0, 1) ? 'E' : 'W');
    return input;
}

// Both nothing, or the same double to the last bit.
inline bool SameMoment(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return !a && !b;
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// The clock minute at or before the one whose chart moment is the Julian
// day, for the input's offset and longitude, plus minutes.
inline ChartInput ClockNear(ChartInput input, double julianDay, int minutes)
{
    const double shift = (-CorrectionHoursOf(input) + LongitudeOf(input) / 15 + 1) / 24;
    const CalendarMoment m = CalendarOf(julianDay - shift + minutes / 1440.0);
    const auto clock = static_cast<int>(std::floor(m.Hour * 60 + 1e-6));
    input.Year = m.Date.Year;
    input.Month = m.Date.Month;
    input.Day = m.Date.Day;
    input.Hour = clock / 60;
    input.Minute = clock % 60;
    return input;
}
