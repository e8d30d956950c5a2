// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AlmanacYears.h"
#include "ChartSigns.h"
#include "Reading.h"

// The almanac of a calendar date: its sixty-cycle sign and clash, the
// officer, the mansion, the flying stars of the day and of its twelve double
// hours, and the marks the day carries for a person's chart. Months begin
// and the star sequences turn on the dates of the terms and solstices on the
// almanacs' clock (UT+8), as printed almanacs give them. Stems 0..9 and
// branches 0..11 as in ChartSigns.h; names are UTF-8.

// A double hour of the day: branch 0, the Крыса hour, runs from 23:00 of
// the day before to 01:00, and branch 11, the Свинья hour, from 21:00 to
// 23:00. Its stem follows from the day's stem as the chart's hour pillar's
// does.
struct HourAlmanac {
    Sign StemBranch;
    std::int32_t Star = 1;  // flying star 1..9
    std::int32_t Clash = 0; // the branch six away
    bool operator==(const HourAlmanac &) const = default;
};

struct DayAlmanac {
    CalendarDate Date;
    std::int32_t Weekday = 0; // 0 = Monday .. 6 = Sunday
    Sign StemBranch;          // the chart's day pillar at noon
    std::int32_t Clash = 0;   // the branch six away from the day's
    // 0..11 from Установление: the day's branch counted on from the branch
    // of the solar month, which begins on the date of its term.
    std::int32_t Officer = 0;
    std::int32_t MonthBranch = 0;
    std::int32_t Mansion = 0; // 0..27 from Рог, one a day
    // 1..9: rising day by day from 1 on the Ян Дерево·Крыса day nearest the
    // winter solstice, falling from 9 on the one nearest the summer solstice
    // (AlmanacYears::StarStart).
    std::int32_t Star = 1;
    // Крыса hour first. The hour stars rise from the winter solstice's date
    // and fall from the summer solstice's, starting from the Крыса hour's
    // star that the day's branch gives.
    std::array<HourAlmanac, 12> Hours{};
    bool operator==(const DayAlmanac &) const = default;
};

// Nothing for a month or day that does not exist, or when the ephemeris
// fails for the terms around the date (years outside about -3000..3002).
// Terms and solstices come from years, which keeps them for later calls.
std::optional<DayAlmanac> AlmanacOf(const CalendarDate &date, AlmanacYears &years);

// The almanac day and double hour that clock hour (0..23) of date falls in:
// from 23:00 the Крыса hour of the next date.
struct AlmanacHour {
    CalendarDate Date;
    std::int32_t Branch = 0;
    bool operator==(const AlmanacHour &) const = default;
};
AlmanacHour AlmanacHourOf(const CalendarDate &date, std::int32_t hour);

// What a day means for a person: the day's branch clashes with the chart's
// year or day branch, and the stars it holds: Благородный человек from the
// chart's day stem, Ямская лошадь and Цветок любви from its year branch, as
// the chart's reading counts them.
struct PersonMarks {
    bool ClashWithYear = false;
    bool ClashWithDay = false;
    std::vector<Star> Stars; // in Star order
    bool operator==(const PersonMarks &) const = default;
};

PersonMarks MarksFor(const DayAlmanac &day, const ChartSigns &chart);

// "Установление", "Рог", "пн", "Столкновение: Лошадь" (clash: the branch
// clashed with, as DayAlmanac::Clash holds it).
std::string OfficerName(std::int32_t officer);
std::string MansionName(std::int32_t mansion);
std::string WeekdayName(std::int32_t weekday);
std::string ClashText(std::int32_t clash);

// "Столкновение с годом", "Столкновение с днём", then the stars' names.
std::vector<std::string> MarkWords(const PersonMarks &marks);
