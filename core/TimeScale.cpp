// SPDX-License-Identifier: AGPL-3.0-or-later
#include "TimeScale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Ephemeris.h"

double LongitudeOf(const ChartInput &input)
{
    const double degrees = input.LongitudeDegrees + input.LongitudeMinutes / 60.0;
    return input.Hemisphere == "E" ? degrees : -degrees;
}

std::int32_t OffsetSecondsOf(const ChartInput &input) { return input.OffsetSeconds.value_or(input.Correction * 3600); }

double CorrectionHoursOf(const ChartInput &input)
{
    return input.OffsetSeconds ? *input.OffsetSeconds / 3600.0 : input.Correction;
}

void SetClockOffset(ChartInput &input, std::int32_t seconds)
{
    input.Correction = seconds / 3600;
    input.OffsetSeconds = seconds % 3600 ? std::optional(seconds) : std::nullopt;
}

std::string SignedOffsetText(std::int32_t seconds)
{
    const std::int32_t size = std::abs(seconds);
    std::string text = (seconds < 0 ? "-" : "+") + std::to_string(size / 3600);
    char part[8];
    if (size % 3600) {
        std::snprintf(part, sizeof part, ":%02d", size / 60 % 60);
        text += part;
    }
    if (size % 60) {
        std::snprintf(part, sizeof part, ":%02d", size % 60);
        text += part;
    }
    return text;
}

double ChartTimeOf(const ChartInput &input)
{
    return input.Hour + input.Minute / 60.0 - CorrectionHoursOf(input) + LongitudeOf(input) / 15 + 1;
}

DateAndHour ChartDateAndHour(double julianDay)
{
    constexpr long long secondsPerDay = 86400;
    CalendarMoment moment = CalendarOf(julianDay);
    long long seconds = std::llround(moment.Hour * 3600);
    if (seconds >= secondsPerDay) {
        // Rounded up onto midnight: the date is the next day's.
        moment = CalendarOf(julianDay + 0.5);
        seconds -= secondsPerDay;
    }
    long long shifted = seconds - 3600;
    if (shifted < 0)
        shifted += secondsPerDay;
    return {moment.Date, static_cast<std::int32_t>(shifted / 3600)};
}

std::int32_t LongitudeSecondsOf(const ChartInput &input)
{
    // Four seconds of time to a minute of arc.
    const std::int32_t arc = input.LongitudeDegrees * 60 + input.LongitudeMinutes;
    return (input.Hemisphere == "E" ? arc : -arc) * 4;
}

std::int64_t ChartSecondsOf(const ChartInput &input)
{
    return input.Hour * 3600 + input.Minute * 60 - OffsetSecondsOf(input) + LongitudeSecondsOf(input) + 3600;
}

ChartMoment ChartMomentOf(const ChartInput &input, std::int64_t laterSeconds)
{
    ChartMoment moment;
    moment.Longitude = LongitudeOf(input);
    moment.ChartTime = ChartTimeOf(input) + static_cast<double>(laterSeconds) / 3600;
    moment.ChartJD = JulianDay(input.Year, input.Month, input.Day, moment.ChartTime);
    const DateAndHour dateAndHour = ChartDateAndHour(moment.ChartJD);
    moment.ChartDate = dateAndHour.Date;
    moment.ChartHour = dateAndHour.Hour;
    return moment;
}
