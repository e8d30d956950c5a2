// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// The search for the moment the sun's longitude reaches a solar term:
// trial moments at day 4 of a start month plus an offset o (hours, from 0),
// moved by -0.5, -0.05, -0.005 or +0.5, +0.05, +0.005 hours by how far the
// longitude lies above or below the target (TermBounds), until it is within
// 0.001 degree.

// How the search gets there. Literal evaluates every trial moment, a few
// hundred ephemeris calls for a start within days of its term. Fast lands on
// the same trial moment, bit for bit, with about ten: it evaluates only the
// ends of the runs of equal steps (TermRun). Literal stays as the reference
// that Fast is checked against.
enum class TermSearch { Fast, Literal };

// Far more steps than any start within a few days of its term needs (a few
// hundred); a search that has not settled by then never will.
inline constexpr int MaxTermSearchSteps = 100000;

// Julian day of the trial moment at which the search from day 4 of month
// (1..12) of year stops for target (degrees: 315, 345 or 15 + 30k), with no
// correction applied. Nothing when the ephemeris fails at a trial moment the
// step-by-step search reaches (years past 3003), or when it has not stopped
// within maxSteps trial moments.
std::optional<double> SearchTerm(std::int32_t year, std::int32_t month, double target, TermSearch search,
                                 int maxSteps = MaxTermSearchSteps);
