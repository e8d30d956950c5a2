// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "ChartTypes.h"

// The moment the sun's apparent longitude reaches a given value, to a
// second of Universal Time, and its date on the clock of printed almanacs.

// Hours the almanacs' clock runs ahead of Universal Time (Beijing time).
inline constexpr double AlmanacClockHours = 8;

// Julian day (UT) at which the sun reaches longitude (degrees, 0 up to 360),
// the crossing nearest guess (a Julian day within a few weeks of it), found
// by bisection to one second on the ephemeris' Terrestrial Time and moved
// to UT by the library's Delta T. Nothing when the ephemeris fails on the way
// (about years -3000..3003).
std::optional<double> SunReaches(double longitude, double guess);

// Date on the almanacs' clock (UT+8) on which the sun reaches longitude in
// year: the crossing nearest the day its mean motion brings it there,
// counting from 280 degrees on 1 January (so 285 falls early in January and
// 270 late in December of the same year). Nothing when the ephemeris fails.
std::optional<CalendarDate> AlmanacDateOf(double longitude, std::int32_t year);
