// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Chart.h"
#include "ChartTypes.h"

// The distinct charts of an uncertain clock time: over a span around the
// entered moment, each chart with the local clock times from which and up to
// which it holds, to the second. A chart can change only where the hour of
// local mean time + 1 hour becomes even (hour and day pillars), where the
// chart moment passes a stored term moment (month and year), and where the
// sun reaches 315 degrees (the year square on 4 and 5 February); with the
// day change at midnight, also where local mean time reaches 0:00 (the day
// pillar). With true solar time, those instants are reached when the second
// plus its equation of time is there. The span looks at those instants
// alone, so it costs little more than one chart.

// What differs between two charts, as bits.
enum ChartChange : unsigned {
    ChangeHour = 1,
    ChangeDay = 2,
    ChangeMonth = 4,
    ChangeYear = 8,
    ChangeYearSquare = 16,
    ChangeMonthSquare = 32,
};
unsigned ChangesBetween(const ChartResult &before, const ChartResult &after);

// The entered clock moment of input moved by laterSeconds (any sign).
ClockTime ClockTimeAt(const ChartInput &input, std::int64_t laterSeconds);

// One chart of a span; times in seconds from the entered clock moment.
struct ChartRange {
    std::int64_t From = 0; // the first second it holds
    std::int64_t To = 0;   // the first second it no longer holds: the next From, or the span's end
    ChartResult Result;
    unsigned Changes = 0; // what changed at From; 0 for the first range
};

struct ChartSpan {
    std::vector<ChartRange> Ranges; // in time order, at least one
    bool Cut = false;               // the span left the computable dates and ends at their edge
};

struct SpanOutcome {
    std::optional<ChartSpan> Span;
    ChartError Error = ChartError::None; // why, when a chart of the span cannot be computed
};

inline constexpr std::int32_t MaxSpanMinutes = 1440;

// The charts from minutes (1..MaxSpanMinutes) before the entered moment up
// to, not including, minutes after it, cut to the computable dates: from
// 01.01.0001 00:00:00 of the clock up to the last second whose chart the
// built-in ephemeris gives (a chart needs the terms of its whole solar year,
// so the end is just before the start of spring 3003: 2 to 6 February 3003
// on the clock, by the offset). An error when the entered moment's span
// starts past that end. options as for ComputeChart; without a cache the
// span keeps one of its own, so the terms are searched once.
SpanOutcome ComputeChartSpan(const ChartInput &input, std::int32_t minutes, const SolarTermOptions &options = {});

// The change nearest to the entered moment in either direction: what
// changed and when, in seconds from the moment (negative or 0: it happened
// before; the chart changes at least every two hours, so there is one).
struct NearestChange {
    unsigned What = 0;
    std::int64_t Seconds = 0;
};
// Nothing when a chart near the moment cannot be computed, or at the first
// dates, where the span is cut before any change.
std::optional<NearestChange> FindNearestChange(const ChartInput &input, const SolarTermOptions &options = {});
