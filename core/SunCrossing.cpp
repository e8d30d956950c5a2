// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SunCrossing.h"

#include <cmath>

#include <swephexp.h>

#include "Ephemeris.h"

namespace {

constexpr double MeanSunRate = 0.98565; // degrees per day
constexpr double Second = 1.0 / 86400;  // days
constexpr double TropicalYear = 365.2422;

// How far the sun still has to go to the target, -180 up to 180 degrees.
std::optional<double> Remaining(double longitude, double julianDay)
{
    const std::optional<double> sun = SunLongitudeAt(julianDay);
    if (!sun)
        return std::nullopt;
    double left = std::fmod(longitude - *sun, 360.0);
    if (left >= 180)
        left -= 360;
    else if (left < -180)
        left += 360;
    return left;
}

// Three steps at the mean rate bring a guess weeks away to within a minute
// or two: the true rate never differs from it by more than four per cent.
std::optional<double> NearCrossing(double longitude, double guess)
{
    double t = guess;
    for (int step = 0; step < 3; ++step) {
        const std::optional<double> left = Remaining(longitude, t);
        if (!left)
            return std::nullopt;
        t += *left / MeanSunRate;
    }
    return t;
}

struct Bracket {
    double Before = 0; // Julian days (TT) before and after the crossing
    double After = 0;
};

// Moments either side of the crossing, a quarter of an hour from the near
// guess and widened until they hold it.
std::optional<Bracket> BracketOf(double longitude, double near)
{
    for (double reach = 0.01; reach < 4; reach *= 2) {
        const std::optional<double> early = Remaining(longitude, near - reach);
        const std::optional<double> late = Remaining(longitude, near + reach);
        if (!early || !late)
            return std::nullopt;
        if (*early > 0 && *late <= 0)
            return Bracket{near - reach, near + reach};
    }
    return std::nullopt;
}

} // namespace

std::optional<double> SunReaches(double longitude, double guess)
{
    // swe_calc reads its Julian day as Terrestrial Time. The search stays on
    // that scale and the result moves to UT by Delta T, which is over a
    // minute now and hours in antiquity: the 2021 winter solstice at 23:59
    // Beijing time would otherwise land on the next day.
    const std::optional<double> near = NearCrossing(longitude, guess);
    std::optional<Bracket> bracket = near ? BracketOf(longitude, *near) : std::nullopt;
    if (!bracket)
        return std::nullopt;
    while (bracket->After - bracket->Before > Second) {
        const double middle = (bracket->Before + bracket->After) / 2;
        const std::optional<double> left = Remaining(longitude, middle);
        if (!left)
            return std::nullopt;
        (*left > 0 ? bracket->Before : bracket->After) = middle;
    }
    const double crossing = (bracket->Before + bracket->After) / 2;
    char error[256] = {};
    return crossing - swe_deltat_ex(crossing, SEFLG_MOSEPH, error);
}

std::optional<CalendarDate> AlmanacDateOf(double longitude, std::int32_t year)
{
    const double sinceNewYear = std::fmod(longitude - 280 + 360, 360.0) * TropicalYear / 360;
    const std::optional<double> crossing = SunReaches(longitude, JulianDay(year, 1, 1, 0) + sinceNewYear);
    if (!crossing)
        return std::nullopt;
    return CalendarOf(*crossing + AlmanacClockHours / 24).Date;
}
