// SPDX-License-Identifier: AGPL-3.0-or-later
// The day almanac through the real ephemeris: term and solstice dates as
// printed almanacs give them (Beijing time), and days worked by hand from
// the rules around the terms, the solstices and the turns of the star
// sequences.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Almanac.h"

namespace {

enum : std::int32_t { Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };
enum : std::int32_t { Jia, Yi, Bing, Ding, Wu, Ji, Geng, Xin, Ren, Gui };

std::string Text(const CalendarDate &date)
{
    return std::to_string(date.Day) + "." + std::to_string(date.Month) + "." + std::to_string(date.Year);
}

DayAlmanac DayOf(const CalendarDate &date, AlmanacYears &years)
{
    const std::optional<DayAlmanac> day = AlmanacOf(date, years);
    EXPECT_TRUE(day) << Text(date);
    return day.value_or(DayAlmanac{});
}

// The hour stars from the Крыса hour, one digit each.
std::string HourStars(const DayAlmanac &day)
{
    std::string stars;
    for (const HourAlmanac &hour : day.Hours)
        stars += std::to_string(hour.Star);
    return stars;
}

} // namespace

// Term k = 0 is 285 degrees, k = 1 the start of spring at 315, and so on.
// The 285-degree term of 2024 fell on 5 January in UT and on the 6th in
// Beijing; the 2021 winter solstice came at 23:59 and the 2019 summer
// solstice at 23:54 Beijing time.
TEST(Almanac, TermAndSolsticeDatesOfPrintedAlmanacs)
{
    struct Case {
        std::int32_t Year;
        int Term; // 0..11, or -1 summer and -2 winter solstice
        CalendarDate Date;
    };
    const Case cases[] = {
        {2024, 0, {2024, 1, 6}},    {2024, 1, {2024, 2, 4}},    {2024, 2, {2024, 3, 5}},    {2024, 3, {2024, 4, 4}},
        {2024, 4, {2024, 5, 5}},    {2024, 5, {2024, 6, 5}},    {2024, 6, {2024, 7, 6}},    {2024, 7, {2024, 8, 7}},
        {2024, 8, {2024, 9, 7}},    {2024, 9, {2024, 10, 8}},   {2024, 10, {2024, 11, 7}},  {2024, 11, {2024, 12, 6}},
        {2000, 1, {2000, 2, 4}},    {2023, 1, {2023, 2, 4}},    {2025, 1, {2025, 2, 3}},    {2019, -1, {2019, 6, 21}},
        {2021, -2, {2021, 12, 21}}, {2022, -2, {2022, 12, 22}}, {2023, -2, {2023, 12, 22}}, {2024, -1, {2024, 6, 21}},
        {2024, -2, {2024, 12, 21}}, {2025, -1, {2025, 6, 21}},
    };
    AlmanacYears years;
    for (const Case &c : cases) {
        const std::optional<CalendarDate> date = c.Term >= 0
            ? years.TermDate(c.Year, c.Term)
            : years.SolsticeDate(c.Year, c.Term == -1 ? Solstice::Summer : Solstice::Winter);
        ASSERT_TRUE(date) << c.Year << " " << c.Term;
        EXPECT_EQ(*date, c.Date) << c.Year << " " << c.Term << ": " << Text(*date);
    }
}

// The sixty-cycle position of each solstice day counted from 1.1.2024
// (Ян Дерево·Крыса); from 30 on the start is the next such day. The winter
// start of 2019 (position 29) went back and the summer one of 2020
// (position 31) forward: 240 days apart. In 2025 the winter solstice day is
// itself the start.
TEST(Almanac, StarSequenceStartsNearTheSolstices)
{
    struct Case {
        std::int32_t Year;
        CalendarDate Summer;
        CalendarDate Winter;
    };
    const Case cases[] = {
        {2019, {2019, 5, 27}, {2019, 11, 23}}, {2020, {2020, 7, 20}, {2021, 1, 16}},
        {2021, {2021, 7, 15}, {2022, 1, 11}},  {2022, {2022, 7, 10}, {2023, 1, 6}},
        {2023, {2023, 7, 5}, {2024, 1, 1}},    {2024, {2024, 6, 29}, {2024, 12, 26}},
        {2025, {2025, 6, 24}, {2025, 12, 21}}, {2026, {2026, 6, 19}, {2026, 12, 16}},
    };
    AlmanacYears years;
    for (const Case &c : cases) {
        EXPECT_EQ(years.StarStart(c.Year, Solstice::Summer), c.Summer) << c.Year;
        EXPECT_EQ(years.StarStart(c.Year, Solstice::Winter), c.Winter) << c.Year;
        EXPECT_EQ(DayOf(c.Summer, years).StemBranch, (Sign{Jia, Rat})) << c.Year;
        EXPECT_EQ(DayOf(c.Winter, years).StemBranch, (Sign{Jia, Rat})) << c.Year;
    }
}

// Falling from 9 on 27.5.2019, then rising from 1 on 23.11.2019 for 240
// days: on 21.5.2020, 180 days on, the sequence does not turn. Then around
// the 2023 winter and the 2024 summer solstices, and the next year's.
TEST(Almanac, DayStarsRunOnBetweenStarts)
{
    const std::pair<CalendarDate, std::int32_t> rows[] = {
        {{2019, 11, 22}, 1}, {{2019, 11, 23}, 1}, {{2019, 12, 22}, 3}, {{2020, 1, 1}, 4},   {{2020, 5, 21}, 1},
        {{2020, 5, 22}, 2},  {{2020, 7, 19}, 6},  {{2020, 7, 20}, 9},  {{2020, 7, 21}, 8},  {{2023, 12, 22}, 1},
        {{2023, 12, 30}, 2}, {{2023, 12, 31}, 1}, {{2024, 1, 1}, 1},   {{2024, 1, 2}, 2},   {{2024, 6, 21}, 2},
        {{2024, 6, 28}, 9},  {{2024, 6, 29}, 9},  {{2024, 6, 30}, 8},  {{2024, 12, 21}, 5}, {{2024, 12, 25}, 1},
        {{2024, 12, 26}, 1}, {{2024, 12, 27}, 2}, {{2025, 6, 21}, 7},  {{2025, 6, 23}, 9},  {{2025, 6, 24}, 9},
        {{2025, 6, 25}, 8},  {{2025, 12, 20}, 1}, {{2025, 12, 21}, 1}, {{2025, 12, 22}, 2}};
    AlmanacYears years;
    for (const auto &[date, star] : rows)
        EXPECT_EQ(DayOf(date, years).Star, star) << Text(date);
}

// Rising from 1, 4, 7 from the winter solstice's date, falling from 9, 6, 3
// from the summer solstice's, by the day's branch.
TEST(Almanac, HourStarsOnBothSidesOfTheSolstices)
{
    const std::pair<CalendarDate, const char *> rows[] = {
        {{2023, 12, 21}, "654321987654"}, // Инь Вода·Бык
        {{2023, 12, 22}, "789123456789"}, // Ян Дерево·Тигр
        {{2024, 6, 20}, "123456789123"},  // Инь Дерево·Кролик
        {{2024, 6, 21}, "654321987654"},  // Ян Огонь·Дракон
        {{2021, 12, 20}, "321987654321"}, // Ян Вода·Тигр
        {{2021, 12, 21}, "123456789123"}, // Инь Вода·Кролик, solstice at 23:59
    };
    AlmanacYears years;
    for (const auto &[date, stars] : rows)
        EXPECT_EQ(HourStars(DayOf(date, years)), stars) << Text(date);

    // 22:00 of 21.12.2023 is that day's Свинья hour, 23:00 already the
    // Крыса hour of the solstice's date, with its rising star.
    const AlmanacHour late = AlmanacHourOf({2023, 12, 21}, 22);
    const AlmanacHour rat = AlmanacHourOf({2023, 12, 21}, 23);
    EXPECT_EQ(late, (AlmanacHour{{2023, 12, 21}, Pig}));
    EXPECT_EQ(rat, (AlmanacHour{{2023, 12, 22}, Rat}));
    EXPECT_EQ(DayOf(late.Date, years).Hours[late.Branch].Star, 4);
    EXPECT_EQ(DayOf(rat.Date, years).Hours[rat.Branch].Star, 7);
    EXPECT_EQ(AlmanacHourOf({2023, 12, 31}, 23), (AlmanacHour{{2024, 1, 1}, Rat}));
    EXPECT_EQ(AlmanacHourOf({2024, 2, 28}, 0), (AlmanacHour{{2024, 2, 28}, Rat}));
    EXPECT_EQ(AlmanacHourOf({2024, 2, 28}, 1), (AlmanacHour{{2024, 2, 28}, Ox}));
}

TEST(Almanac, DaySignsHourSignsAndClashes)
{
    AlmanacYears years;
    const DayAlmanac y2000 = DayOf({2000, 1, 1}, years);
    EXPECT_EQ(y2000.StemBranch, (Sign{Wu, Horse}));
    EXPECT_EQ(ClashText(y2000.Clash), "Столкновение: Крыса");
    // The Крыса hour of a Ян Земля day is Ян Вода.
    EXPECT_EQ(y2000.Hours[Rat].StemBranch, (Sign{Ren, Rat}));
    EXPECT_EQ(y2000.Hours[Pig].StemBranch, (Sign{Gui, Pig}));
    EXPECT_EQ(ClashText(y2000.Hours[Pig].Clash), "Столкновение: Змея");

    const DayAlmanac solstice = DayOf({2024, 6, 21}, years);
    EXPECT_EQ(solstice.StemBranch, (Sign{Bing, Dragon}));
    EXPECT_EQ(ClashText(solstice.Clash), "Столкновение: Собака");
    EXPECT_EQ(solstice.Hours[Rat].StemBranch, (Sign{Wu, Rat}));
    EXPECT_EQ(solstice.Hours[Horse].StemBranch, (Sign{Jia, Horse}));
    EXPECT_EQ(ClashText(solstice.Hours[Horse].Clash), "Столкновение: Крыса");
}

// The month's branch changes on the term's date, so the officer of the day
// before the term repeats on it.
TEST(Almanac, OfficerRepeatsOnTheTermDay)
{
    struct Case {
        CalendarDate Date;
        std::int32_t MonthBranch;
        const char *Officer;
    };
    const Case cases[] = {
        {{2000, 1, 1}, Rat, "Разрушение"}, {{2024, 1, 5}, Rat, "Стабильность"}, {{2024, 1, 6}, Ox, "Стабильность"},
        {{2024, 1, 7}, Ox, "Исполнение"},  {{2024, 2, 2}, Ox, "Опасность"},     {{2024, 2, 3}, Ox, "Успех"},
        {{2024, 2, 4}, Tiger, "Успех"},    {{2024, 2, 5}, Tiger, "Получение"},  {{2024, 2, 8}, Tiger, "Установление"},
        {{2024, 3, 4}, Tiger, "Удаление"}, {{2024, 3, 5}, Rabbit, "Удаление"},  {{2024, 3, 6}, Rabbit, "Наполнение"},
        {{2025, 2, 2}, Ox, "Удаление"},    {{2025, 2, 3}, Tiger, "Удаление"},
    };
    AlmanacYears years;
    for (const Case &c : cases) {
        const DayAlmanac day = DayOf(c.Date, years);
        EXPECT_EQ(day.MonthBranch, c.MonthBranch) << Text(c.Date);
        EXPECT_EQ(OfficerName(day.Officer), c.Officer) << Text(c.Date);
    }
}

// The mansion of a day keeps to its weekday: Рог always falls on Thursday.
TEST(Almanac, MansionsAndWeekdays)
{
    struct Case {
        CalendarDate Date;
        const char *Mansion;
        const char *Weekday;
    };
    const Case cases[] = {
        {{2000, 1, 1}, "Желудок", "сб"}, {{1900, 1, 1}, "Сердце", "пн"}, {{1949, 10, 1}, "Корень", "сб"},
        {{1800, 1, 1}, "Воин", "ср"},    {{2100, 1, 1}, "Шея", "пт"},    {{2024, 1, 1}, "Сеть", "пн"},
        {{2024, 2, 4}, "Звезда", "вс"},
    };
    AlmanacYears years;
    for (const Case &c : cases) {
        const DayAlmanac day = DayOf(c.Date, years);
        EXPECT_EQ(MansionName(day.Mansion), c.Mansion) << Text(c.Date);
        EXPECT_EQ(WeekdayName(day.Weekday), c.Weekday) << Text(c.Date);
    }
    for (int d = 1; d <= 31; ++d) {
        const DayAlmanac day = DayOf({2024, 5, d}, years);
        EXPECT_EQ(day.Mansion % 7, (day.Weekday + 4) % 7) << d;
    }
}

// A chart of a Ян Дерево·Дракон year and a Ян Огонь·Тигр day: the days of
// January 2024 run through the branches from Крыса on the 1st, and the days
// not listed carry no mark.
TEST(Almanac, PersonMarksFromTheChartsYearAndDay)
{
    const ChartSigns chart{{Wu, Rat}, {Bing, Tiger}, {Bing, Tiger}, {Jia, Dragon}};
    std::map<std::int32_t, std::vector<std::string>> marks{
        {Tiger, {"Ямская лошадь"}},
        {Monkey, {"Столкновение с днём"}},
        {Rooster, {"Благородный человек", "Цветок любви"}},
        {Dog, {"Столкновение с годом"}},
        {Pig, {"Благородный человек"}},
    };
    AlmanacYears years;
    for (std::int32_t branch = 0; branch < 12; ++branch) {
        const DayAlmanac day = DayOf({2024, 1, 1 + branch}, years);
        ASSERT_EQ(day.StemBranch.Branch, branch);
        EXPECT_EQ(MarkWords(MarksFor(day, chart)), marks[branch]) << branch;
    }
}

TEST(Almanac, MonthCostsAFewSearchesAndBadDatesNone)
{
    AlmanacYears years;
    for (int d = 1; d <= 31; ++d)
        DayOf({2024, 1, d}, years);
    // The terms of 6.1.2024 and 7.12.2023, the winter solstice of 2023 and both of 2024.
    EXPECT_LE(years.SearchCount(), 6);
    EXPECT_FALSE(AlmanacOf({2023, 2, 29}, years));
    EXPECT_FALSE(AlmanacOf({2024, 13, 1}, years));
    EXPECT_FALSE(AlmanacOf({2024, 4, 0}, years));
    EXPECT_FALSE(AlmanacOf({3200, 1, 1}, years));
    EXPECT_TRUE(AlmanacOf({-1000, 3, 1}, years));
}
