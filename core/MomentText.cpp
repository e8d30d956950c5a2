// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MomentText.h"

#include <cstdio>

namespace {

std::string Digits(std::int32_t value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

} // namespace

std::string DateText(const CalendarDate &date)
{
    return Digits(date.Day, 2) + "." + Digits(date.Month, 2) + "." + Digits(date.Year, 4);
}

std::string TimeText(std::int32_t hour, std::int32_t minute) { return Digits(hour, 2) + ":" + Digits(minute, 2); }

std::string MomentText(const ChartInput &input)
{
    return DateText({input.Year, input.Month, input.Day}) + " " + TimeText(input.Hour, input.Minute);
}

std::string MomentText(const ClockTime &time) { return DateText(time.Date) + " " + TimeText(time.Hour, time.Minute); }

std::string ClockTimeText(const ClockTime &time) { return MomentText(time) + ":" + Digits(time.Second, 2); }

std::string LongitudeDigits(const ChartInput &input)
{
    return Digits(input.LongitudeDegrees, 3) + ":" + Digits(input.LongitudeMinutes, 2);
}

std::string LongitudeText(const ChartInput &input)
{
    return LongitudeDigits(input) + (input.Hemisphere == "E" ? "E" : "W");
}
