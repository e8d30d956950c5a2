// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AlmanacYears.h"

#include <tuple>

#include "DaySign.h"
#include "Ephemeris.h"
#include "SunCrossing.h"

namespace {

// Slots of a year after its terms: the two solstices, then the two starts.
constexpr int SolsticeSlot(Solstice solstice)
{
    return AlmanacYears::TermCount + (solstice == Solstice::Summer ? 0 : 1);
}
constexpr int StartSlot(Solstice solstice) { return SolsticeSlot(solstice) + 2; }

std::optional<CalendarDate> NearestCycleStart(const std::optional<CalendarDate> &day)
{
    if (!day)
        return std::nullopt;
    const std::int32_t intoCycle = SignPosition(DaySignOf(*day));
    const std::int32_t shift = intoCycle >= 30 ? 60 - intoCycle : -intoCycle;
    // Noon keeps the whole-day shift clear of any rounding at midnight.
    return CalendarOf(JulianDay(day->Year, day->Month, day->Day, 12) + static_cast<double>(shift)).Date;
}

} // namespace

std::optional<CalendarDate> AlmanacYears::TermDate(std::int32_t year, int k)
{
    return Crossing(year, k, (285 + 30 * k) % 360);
}

std::optional<CalendarDate> AlmanacYears::SolsticeDate(std::int32_t year, Solstice solstice)
{
    return Crossing(year, SolsticeSlot(solstice), solstice == Solstice::Summer ? 90 : 270);
}

std::optional<CalendarDate> AlmanacYears::StarStart(std::int32_t year, Solstice solstice)
{
    return Kept({year, StartSlot(solstice)}, [&] { return NearestCycleStart(SolsticeDate(year, solstice)); });
}

std::optional<CalendarDate> AlmanacYears::Crossing(std::int32_t year, int slot, double longitude)
{
    return Kept({year, slot}, [&] {
        ++searches_;
        return AlmanacDateOf(longitude, year);
    });
}

std::int32_t AlmanacYears::SolarYearOn(const CalendarDate &date)
{
    const std::optional<CalendarDate> spring = TermDate(date.Year, 1);
    const bool beforeSpring = spring && std::tie(date.Month, date.Day) < std::tie(spring->Month, spring->Day);
    return beforeSpring ? date.Year - 1 : date.Year;
}
