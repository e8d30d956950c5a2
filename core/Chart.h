// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ChartTypes.h"
#include "SolarTerms.h"
#include "TimeScale.h"

// The whole chart computation of one input, touching no control.

// With true solar time the chart is the local-mean-time chart of the clock
// moment moved by the equation of time: Moment, SunLongitude and Terms are
// those of the moved moment, on the chart's own time scale.
struct ChartDetails {
    ChartMoment Moment;      // ChartJD, ChartDate, ChartHour and the rest
    double SunLongitude = 0; // degrees at ChartJD
    SolarTerms Terms;        // TermMoments, SolarYear, SolarMonth, YearGroup, SquareYear
    ChartResult Result;      // pillars, YearSquare and MonthSquare
    // Seconds the chart's time runs ahead of local mean time: the equation
    // of time in whole seconds with true solar time, else 0.
    std::int32_t EquationSeconds = 0;
    bool DayChangeAtMidnight = false; // the day pillar's rule, as the input chose it
};

// Either the details or why there are none (EphemerisRange when the moment
// or one of its solar terms lies outside the ephemeris).
struct ChartOutcome {
    std::optional<ChartDetails> Details;
    ChartError Error = ChartError::None;
};

// options choose the solar-term search and a cache of terms shared by the
// charts of one run; the result is the same with any options.
ChartOutcome ComputeChart(const ChartInput &input, const SolarTermOptions &options = {});

// The chart of the entered clock time moved by laterSeconds (any sign), to
// the second; 0 gives ComputeChart's chart. With true solar time the
// equation of time is taken once, at that clock moment.
ChartOutcome ComputeChartAt(const ChartInput &input, std::int64_t laterSeconds, const SolarTermOptions &options = {});
