#include "TimeScale.h"

#include <cmath>

#include "Ephemeris.h"

double LongitudeOf(const ChartInput &input)
{
    const double degrees = input.LongitudeDegrees + input.LongitudeMinutes / 60.0;
    return input.Hemisphere == "E" ? degrees : -degrees;
}

double ChartTimeOf(const ChartInput &input)
{
    return input.Hour + input.Minute / 60.0 - input.Correction + LongitudeOf(input) / 15 + 1;
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

ChartMoment ChartMomentOf(const ChartInput &input)
{
    ChartMoment moment;
    moment.Longitude = LongitudeOf(input);
    moment.ChartTime = ChartTimeOf(input);
    moment.ChartJD = JulianDay(input.Year, input.Month, input.Day, moment.ChartTime);
    const DateAndHour dateAndHour = ChartDateAndHour(moment.ChartJD);
    moment.ChartDate = dateAndHour.Date;
    moment.ChartHour = dateAndHour.Hour;
    return moment;
}
