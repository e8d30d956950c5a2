// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "ChartTypes.h"

// Thin wrappers over the Swiss Ephemeris calls the calculation uses, always
// with the Gregorian calendar flag and the built-in analytical (Moshier)
// ephemeris for the sun; swe_time_equ takes no flags and falls back to it
// when the library finds no data files.

// swe_julday: Julian day (UT) of a Gregorian date and a decimal hour; hours
// outside 0..24 carry into the neighbouring days.
double JulianDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour);

struct CalendarMoment {
    CalendarDate Date;
    double Hour = 0; // decimal hour, 0 up to 24
};

// swe_revjul: Gregorian date and decimal hour of a Julian day.
CalendarMoment CalendarOf(double julianDay);

// swe_calc for the sun: ecliptic longitude in degrees, 0 up to 360, or nothing
// when the moment lies outside the built-in ephemeris (about years -3000..3003).
std::optional<double> SunLongitudeAt(double julianDay);

// Number of sun positions computed on this thread so far; for benchmarks.
std::uint64_t SunCalcCount();

// swe_time_equ: the equation of time, apparent minus mean solar time, in
// days (within about -0.0103..+0.0115) at a Julian day on the UT scale, or
// nothing when the moment lies outside the ephemeris.
std::optional<double> EquationOfTimeAt(double julianDayUt);

// Number of equations of time computed on this thread so far; for tests.
std::uint64_t EquationOfTimeCount();
