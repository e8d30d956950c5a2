// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ChartTypes.h"
#include "SolarTermCache.h"
#include "TermSearch.h"
#include "TimeScale.h"

// The twelve solar terms of the solar year around a chart moment, found by a
// stepwise search on the sun's longitude, and the year and month numbers the
// pillars and squares take from them.

// Julian day at which the sun reaches target (degrees: 315, 345 or 15 + 30k),
// searched from day 4 of startMonth (1..12) of startYear at 0 h in steps of
// 30, 3 and 0.3 minutes until the longitude is within 0.001 degree, and then
// moved by correction hours (later for a positive correction; +5.5 for a
// clock at +5:30, as the chart moment takes it). Nothing when
// the ephemeris fails on the way or the search does not settle. Both kinds of
// search give the same Julian day, bit for bit.
std::optional<double> FindSolarTerm(std::int32_t startYear, std::int32_t startMonth, double target, double correction,
                                    TermSearch search = TermSearch::Fast);

// Where the search for term index (0..11: 315, 345, 15, ..., 285 degrees) of
// a solar year that begins in searchYear starts: February for 315, March for
// 345, then one month later for each 30 degrees, up to January of
// searchYear + 1 for 285.
struct TermStart {
    std::int32_t Year = 0;
    std::int32_t Month = 0; // 1..12
    double Target = 0;      // degrees
};
TermStart SolarTermStart(std::int32_t searchYear, int index);

// How FindSolarTerms searches: which search, and terms kept from earlier
// charts (nullptr: every term is searched afresh, as the window does).
struct SolarTermOptions {
    TermSearch Search = TermSearch::Fast;
    SolarTermCache *Cache = nullptr;
};

struct SolarTerms {
    // Julian days of the terms 315, 345, 15, ..., 285 degrees, each moved by
    // the correction, and entry 11 + 31 days for the next year's start.
    std::array<double, 13> TermMoments{};
    std::int32_t SearchYear = 0;
    std::int32_t SolarYear = 0;  // year of TermMoments[0]
    std::int32_t SolarMonth = 0; // 1..12, month 1 begins at 315 degrees
    std::int32_t YearGroup = 0;  // SolarYear mod 3, floored: 0..2
    std::int32_t SquareYear = 0; // year the year square is built from
};

// The terms for the solar year holding the moment, with sunLongitude the
// sun's longitude at moment.ChartJD. Nothing when the ephemeris fails.
std::optional<SolarTerms> FindSolarTerms(const ChartMoment &moment, double sunLongitude, double correction,
                                         const SolarTermOptions &options = {});
