// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ChartTypes.h"

// True solar time: local mean time plus the equation of time, apparent minus
// mean solar time, which swe_time_equ gives at the moment's Universal Time.
// It runs from about -14 min 15 s (mid-February) to +16 min 25 s (early
// November) and changes by at most about 30 s a day.

// The equation of time at the entered clock moment moved by laterSeconds
// (any sign), rounded to the nearest whole second. Nothing outside the
// ephemeris.
std::optional<std::int32_t> EquationSecondsAt(const ChartInput &input, std::int64_t laterSeconds = 0);

// The equation of time at the entered clock moment in minutes, not rounded,
// for showing beside a chart (-7.12: true solar time is 7.12 min behind local
// mean time); given whether or not the input uses true solar time. Nothing
// outside the ephemeris.
std::optional<double> EquationOfTimeMinutes(const ChartInput &input);

// The rules of the input that are not the default, as one short line for
// the window and the shared chart: "истинное солнечное время, −7 мин",
// "смена дня в 0:00", both joined by "; "; empty for the default rules (local
// mean time, the day changing at 23:00). Minutes of the equation rounded.
std::string RulesText(const ChartInput &input);
