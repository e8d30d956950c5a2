// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "ChartTypes.h"
#include "SolarTerms.h"
#include "TimeScale.h"

// The whole chart computation of one input, touching no control.

struct ChartDetails {
    ChartMoment Moment;      // ChartJD, ChartDate, ChartHour and the rest
    double SunLongitude = 0; // degrees at ChartJD
    SolarTerms Terms;        // TermMoments, SolarYear, SolarMonth, YearGroup, SquareYear
    ChartResult Result;      // pillars, YearSquare and MonthSquare
};

// Either the details or the message to show ("Дата вне диапазона эфемериды"
// when the moment or one of its solar terms lies outside the ephemeris).
struct ChartOutcome {
    std::optional<ChartDetails> Details;
    std::string Error;
};

// options choose the solar-term search and a cache of terms shared by the
// charts of one run; the result is the same with any options.
ChartOutcome ComputeChart(const ChartInput &input, const SolarTermOptions &options = {});

// The chart of the entered clock time moved by laterSeconds (any sign), to
// the second; 0 gives ComputeChart's chart.
ChartOutcome ComputeChartAt(const ChartInput &input, std::int64_t laterSeconds, const SolarTermOptions &options = {});
