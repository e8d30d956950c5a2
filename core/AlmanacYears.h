// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "ChartTypes.h"

// The dates of a year's twelve month-beginning terms and two solstices on
// the almanacs' clock (UT+8), and the days that start the day-star
// sequences, each searched once when first asked for and kept. Years are
// Gregorian, within the ephemeris (about -3000..3002). Not for use by two
// threads at once.

enum class Solstice { Summer, Winter }; // the sun at 90 and at 270 degrees

class AlmanacYears
{
public:
    static constexpr int TermCount = 12;

    // Term k (0..11) of year: the sun at 285 + 30 k degrees, k = 0 early in
    // January (the Бык month begins) up to 11 early in December (Крыса);
    // each falls within the calendar month k + 1.
    std::optional<CalendarDate> TermDate(std::int32_t year, int k);

    std::optional<CalendarDate> SolsticeDate(std::int32_t year, Solstice solstice);

    // The Ян Дерево·Крыса day nearest the solstice: the solstice day itself
    // when it is one, else the next one when the solstice day lies 30 or
    // more days into its sixty-day cycle and the previous one when less. The
    // day star is 1 on the winter start and 9 on the summer start.
    std::optional<CalendarDate> StarStart(std::int32_t year, Solstice solstice);

    // The year of the year pillar on a date: the calendar year from the date
    // of the start of spring (term 1) on, the year before until then.
    std::int32_t SolarYearOn(const CalendarDate &date);

    // Sun crossings searched so far; for the benchmark and the tests.
    std::int64_t SearchCount() const { return searches_; }

private:
    using Key = std::pair<std::int32_t, int>; // year and slot
    std::optional<CalendarDate> Crossing(std::int32_t year, int slot, double longitude);

    // The date kept under key, made by make when it is asked for first.
    template <typename Make>
    std::optional<CalendarDate> Kept(const Key &key, Make make)
    {
        if (const auto found = dates_.find(key); found != dates_.end())
            return found->second;
        const std::optional<CalendarDate> date = make();
        dates_.emplace(key, date);
        return date;
    }

    // Slots of a year: terms 0..11, the summer and winter solstices, and the
    // summer and winter starts.
    std::map<Key, std::optional<CalendarDate>> dates_;
    std::int64_t searches_ = 0;
};
