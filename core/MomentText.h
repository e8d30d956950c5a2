// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

#include "ChartTypes.h"

// A date, a clock time and a longitude as every text of the program writes
// them, zero-filled: the year always has four digits.

std::string DateText(const CalendarDate &date);               // "25.12.2020"
std::string TimeText(std::int32_t hour, std::int32_t minute); // "08:30"

// "25.12.2020 08:30": the chart's moment as entered, or a clock time
// without its seconds.
std::string MomentText(const ChartInput &input);
std::string MomentText(const ClockTime &time);

// "25.12.2020 08:30:05".
std::string ClockTimeText(const ClockTime &time);

// "049:07", and with its hemisphere "049:07E": any hemisphere but "E" is
// west.
std::string LongitudeDigits(const ChartInput &input);
std::string LongitudeText(const ChartInput &input);
