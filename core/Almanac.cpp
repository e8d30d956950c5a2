// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Almanac.h"

#include "AlmanacTables.h"
#include "DaySign.h"
#include "Ephemeris.h"
#include "Gregorian.h"

namespace T = AlmanacTables;

namespace {

std::int32_t ClashOf(std::int32_t branch) { return (branch + 6) % 12; }

// The star steps after the first, rising or falling through 1..9.
std::int32_t StarAfter(std::int32_t first, std::int64_t steps, bool rising)
{
    return static_cast<std::int32_t>(FloorMod(first - 1 + (rising ? steps : -steps), 9)) + 1;
}

// Term k begins the month of branch k + 1 (285 degrees, the Бык month).
// Each term falls within calendar month k + 1, so the date's own month's
// term or the one before it is the latest on or before the date.
std::optional<std::int32_t> MonthBranchOf(const CalendarDate &date, AlmanacYears &years)
{
    std::int32_t year = date.Year;
    int k = date.Month - 1;
    for (int tries = 0; tries < 2; ++tries) {
        const std::optional<CalendarDate> term = years.TermDate(year, k);
        if (!term)
            return std::nullopt;
        if (DayCount(*term) <= DayCount(date))
            return (k + 1) % 12;
        if (k == 0) {
            k = AlmanacYears::TermCount - 1;
            --year;
        } else {
            --k;
        }
    }
    return std::nullopt;
}

// The dates the solstices or the star starts of the date's year and the
// year before are looked up in, latest first: a winter one lies in late
// November to January, a summer one in late May to July.
constexpr std::array<std::pair<int, Solstice>, 4> LatestFirst{{
    {0, Solstice::Winter},
    {0, Solstice::Summer},
    {-1, Solstice::Winter},
    {-1, Solstice::Summer},
}};

struct Since {
    Solstice From = Solstice::Winter;
    std::int64_t Days = 0;
};

// The latest of those dates on or before the date, and the days since it.
template <typename Lookup>
std::optional<Since> LatestOnOrBefore(const CalendarDate &date, Lookup lookup)
{
    for (const auto &[yearsBack, solstice] : LatestFirst) {
        const std::optional<CalendarDate> day = lookup(date.Year + yearsBack, solstice);
        if (!day)
            return std::nullopt;
        if (DayCount(*day) <= DayCount(date))
            return Since{solstice, DayCount(date) - DayCount(*day)};
    }
    return std::nullopt;
}

std::optional<std::int32_t> DayStarOf(const CalendarDate &date, AlmanacYears &years)
{
    const std::optional<Since> start =
        LatestOnOrBefore(date, [&](std::int32_t year, Solstice s) { return years.StarStart(year, s); });
    if (!start)
        return std::nullopt;
    const bool rising = start->From == Solstice::Winter;
    return StarAfter(rising ? T::WinterStartStar : T::SummerStartStar, start->Days, rising);
}

std::array<HourAlmanac, 12> HoursOf(const Sign &day, Solstice after)
{
    const bool rising = after == Solstice::Winter;
    const std::int32_t ratStar = (rising ? T::RatHourStarAfterWinter : T::RatHourStarAfterSummer)[day.Branch];
    std::array<HourAlmanac, 12> hours;
    for (std::int32_t branch = 0; branch < 12; ++branch) {
        // The chart's rule (SignsOf): the Крыса hour of a Ян Дерево or Инь
        // Земля day is Ян Дерево, each later day stem moves it on by two.
        const Sign sign{(day.Stem % 5 * 2 + branch) % 10, branch};
        hours[branch] = {sign, StarAfter(ratStar, branch, rising), ClashOf(branch)};
    }
    return hours;
}

bool MonthAndDayExist(const CalendarDate &date)
{
    return date.Month >= 1 && date.Month <= 12 && date.Day >= 1 && date.Day <= DaysInMonth(date.Year, date.Month);
}

} // namespace

std::optional<DayAlmanac> AlmanacOf(const CalendarDate &date, AlmanacYears &years)
{
    if (!MonthAndDayExist(date))
        return std::nullopt;
    const std::optional<std::int32_t> monthBranch = MonthBranchOf(date, years);
    const std::optional<std::int32_t> star = DayStarOf(date, years);
    const std::optional<Since> solstice =
        LatestOnOrBefore(date, [&](std::int32_t year, Solstice s) { return years.SolsticeDate(year, s); });
    if (!monthBranch || !star || !solstice)
        return std::nullopt;

    DayAlmanac day;
    day.Date = date;
    // Day 1 of the count, 1 January of year 1, is a Monday.
    day.Weekday = static_cast<std::int32_t>(FloorMod(DayCount(date) - 1, 7));
    day.StemBranch = DaySignOf(date);
    day.Clash = ClashOf(day.StemBranch.Branch);
    day.MonthBranch = *monthBranch;
    day.Officer = static_cast<std::int32_t>(FloorMod(day.StemBranch.Branch - *monthBranch, 12));
    day.Mansion =
        static_cast<std::int32_t>(FloorMod(DayCount(date) - DayCount(T::MansionEpoch) + T::MansionAtEpoch, 28));
    day.Star = *star;
    day.Hours = HoursOf(day.StemBranch, solstice->From);
    return day;
}

AlmanacHour AlmanacHourOf(const CalendarDate &date, std::int32_t hour)
{
    if (hour < 23)
        return {date, (hour + 1) / 2};
    return {CalendarOf(JulianDay(date.Year, date.Month, date.Day, 12) + 1).Date, 0};
}

PersonMarks MarksFor(const DayAlmanac &day, const ChartSigns &chart)
{
    const std::int32_t branch = day.StemBranch.Branch;
    PersonMarks marks;
    marks.ClashWithYear = branch == ClashOf(chart.Year.Branch);
    marks.ClashWithDay = branch == ClashOf(chart.Day.Branch);
    const std::array<std::int32_t, 2> noble = NoblemanBranches(chart.Day.Stem);
    if (branch == noble[0] || branch == noble[1])
        marks.Stars.push_back(Star::Nobleman);
    if (branch == TravellingHorseBranch(chart.Year.Branch))
        marks.Stars.push_back(Star::TravellingHorse);
    if (branch == PeachBlossomBranch(chart.Year.Branch))
        marks.Stars.push_back(Star::PeachBlossom);
    return marks;
}

std::string OfficerName(std::int32_t officer) { return T::OfficerNames[officer]; }
std::string MansionName(std::int32_t mansion) { return T::MansionNames[mansion]; }
std::string WeekdayName(std::int32_t weekday) { return T::WeekdayNames[weekday]; }

std::string ClashText(std::int32_t clash) { return RelationName(RelationKind::Clash) + ": " + BranchName(clash); }

std::vector<std::string> MarkWords(const PersonMarks &marks)
{
    std::vector<std::string> words;
    if (marks.ClashWithYear)
        words.push_back(T::ClashWithYear);
    if (marks.ClashWithDay)
        words.push_back(T::ClashWithDay);
    for (Star star : marks.Stars)
        words.push_back(StarName(star));
    return words;
}
