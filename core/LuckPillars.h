// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Chart.h"
#include "ChartTypes.h"

// The ten-year luck pillars of a chart and the years inside them.
//
// Direction: a yang year stem with a male chart, or a yin one with a female
// chart, runs forward; the other two backward. Luck pillar n is the month
// pillar's n-th neighbour in the sixty-pair cycle, forward or backward. The
// first starts after the time from the chart moment to the month boundary
// the direction points to (the next month change forward, the previous one
// backward), taken on the scale on which the chart's month pillar changes
// (the term moments moved by the clock's offset; the chart moment on the
// chart's own time, true solar time when it uses it) and converted by the usual
// proportion: 3 days = 1 year, 1 day = 4 months, 2 hours = 10 days, so one
// minute is two hours of life (months of 30 days, years of 12 months).

enum class Sex { Male, Female };

// A span of life on that scale.
struct LifeSpan {
    std::int32_t Years = 0;
    std::int32_t Months = 0; // 0..11
    std::int32_t Days = 0;   // 0..29
    std::int32_t Hours = 0;  // 0..23
    bool operator==(const LifeSpan &) const = default;
};

struct LuckYear {
    std::int32_t Year = 0; // calendar year; its pillar holds from the start of spring
    Pillar YearPillar;
};

struct LuckPillar {
    Pillar Luck;
    std::int32_t FromAge = 0;  // whole years of the start, then 10 more for each pillar
    std::int32_t FromYear = 0; // calendar year of its start
    std::array<LuckYear, 10> Years;
};

struct LuckChart {
    bool Forward = true;
    double SpanDays = 0;   // from the chart moment to the boundary, days of time
    LifeSpan Start;        // the span of life before the first luck pillar
    ClockTime StartMoment; // the chart's local date and time plus Start, to the minute
    std::vector<LuckPillar> Pillars;
};

inline constexpr int LuckPillarCount = 10;

// A span of time in days as a span of life, truncated to whole hours.
LifeSpan LifeSpanOf(double days);

// The luck pillars, or EphemerisRange when the boundary lies outside the
// ephemeris (forward from the twelfth month, the next start of spring is
// searched: one term more than the chart's own).
struct LuckOutcome {
    std::optional<LuckChart> Luck;
    ChartError Error = ChartError::None;
};
LuckOutcome ComputeLuck(const ChartInput &input, const ChartDetails &chart, Sex sex,
                        const SolarTermOptions &options = {});

// The luck pillar that holds a date: from its start (the first one's start
// date, then ten years more for each) up to the next one's start. Nothing
// before the first and from the end of the last.
std::optional<std::size_t> PillarHolding(const LuckChart &luck, const CalendarDate &date);
