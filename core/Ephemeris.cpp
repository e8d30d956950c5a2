#include "Ephemeris.h"

#include <swephexp.h>

namespace {
constexpr int Gregorian = SE_GREG_CAL;
thread_local std::uint64_t sunCalcs = 0;
} // namespace

double JulianDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour)
{
    return swe_julday(year, month, day, hour, Gregorian);
}

CalendarMoment CalendarOf(double julianDay)
{
    int year = 0;
    int month = 0;
    int day = 0;
    double hour = 0;
    swe_revjul(julianDay, Gregorian, &year, &month, &day, &hour);
    return {{year, month, day}, hour};
}

std::optional<double> SunLongitudeAt(double julianDay)
{
    double position[6] = {};
    char error[256] = {};
    ++sunCalcs;
    if (swe_calc(julianDay, SE_SUN, SEFLG_MOSEPH, position, error) < 0)
        return std::nullopt;
    return position[0];
}

std::uint64_t SunCalcCount()
{
    return sunCalcs;
}
