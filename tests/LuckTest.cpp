// SPDX-License-Identifier: AGPL-3.0-or-later
// Luck pillars and the Gua number, from births worked by hand from
// published term moments, published Gua numbers, and charts placed a known
// time from the term instants the core itself finds.

#include <gtest/gtest.h>

#include <cmath>

#include "Gua.h"
#include "LuckPillars.h"
#include "LuckText.h"
#include "Pillars.h"

namespace {

// Beijing's correction and longitude: the chart moment is the clock moment
// plus -8 + 116°24' / 15 + 1 hours.
ChartInput At(int day, int month, int year, int hour, int minute)
{
    return {day, month, year, hour, minute, 8, 116, 24, "E"};
}

// The clock minute at or before the one whose chart moment lies the given
// days from a Julian day of the chart's scale.
ChartInput ClockAt(double julianDay, double days)
{
    const double shift = (-8 + (116 + 24 / 60.0) / 15 + 1) / 24;
    const CalendarMoment m = CalendarOf(julianDay + days - shift);
    const long long minutes = std::llround(std::floor(m.Hour * 60 + 1e-6));
    return At(m.Date.Day, m.Date.Month, m.Date.Year, int(minutes / 60), int(minutes % 60));
}

} // namespace

TEST(Luck, TheSixtyCycleWraps)
{
    EXPECT_EQ(CyclePillar(59), (Pillar{"вод", "вод"}));
    EXPECT_EQ(CyclePillar(60), (Pillar{"ДЕР", "ВОД"}));
    EXPECT_EQ(CyclePillar(-1), (Pillar{"вод", "вод"}));
}

TEST(Luck, SpansOfTimeAsSpansOfLife)
{
    const std::pair<double, LifeSpan> cases[] = {
        {3, {1, 0, 0, 0}},         {1.5, {0, 6, 0, 0}},         {1, {0, 4, 0, 0}},
        {2.0 / 24, {0, 0, 10, 0}}, {1.0 / 1440, {0, 0, 0, 2}},  {1.0 / 86400, {0, 0, 0, 0}},
        {10, {3, 4, 0, 0}},        {29.5, {9, 10, 0, 0}},       {0, {0, 0, 0, 0}},
        {3 - 1e-10, {1, 0, 0, 0}}, {5.0 / 1440, {0, 0, 0, 10}}, {13.0 / 1440, {0, 0, 1, 2}},
    };
    for (const auto &[days, life] : cases)
        EXPECT_EQ(LifeSpanOf(days), life) << days;
}

// Four births worked by hand on Beijing's clock at longitude 120°E from the
// published term moments (Beijing time, to the minute): 2023 Jingzhe 06.03
// 04:36, Lidong 08.11 00:35; 2024 Xiaoshu 06.07 22:20, Liqiu 07.08 08:09.
// The month changes where the chart's time, local mean time plus one hour
// (here the clock plus one hour), reaches the term's clock time, and the
// span is measured there: from the clock time plus one hour. 2024 is ДЕР
// (yang), 2023 вод (yin). A day of time is 4 months of life, an hour 5
// days, a minute 2 hours. The moments are to the minute, so the start is
// checked to two hours of life and its date to the day.
TEST(Luck, BirthsWorkedByHand)
{
    struct Case {
        ChartInput input;
        Sex sex;
        bool forward;
        LifeSpan start;
        Pillar first[3];
        CalendarDate startDate;
    };
    const Case cases[] = {
        // 13:00 to Liqiu: 22 d 19 h 9 min = 7 y 4 m + 3 m 5 d + 18 h; month мет зем.
        {{15, 7, 2024, 12, 0, 8, 120, 0, "E"},
         Sex::Male,
         true,
         {7, 7, 5, 18},
         {{"ВОД", "МЕТ"}, {"вод", "мет"}, {"ДЕР", "ЗЕМ"}},
         {2032, 2, 21}},
        // Xiaoshu to 13:00: 8 d 14 h 40 min = 2 y 8 m + 2 m 10 d + 3 d 8 h.
        {{15, 7, 2024, 12, 0, 8, 120, 0, "E"},
         Sex::Female,
         false,
         {2, 10, 13, 8},
         {{"МЕТ", "ОГО"}, {"зем", "ого"}, {"ЗЕМ", "ЗЕМ"}},
         {2027, 5, 28}},
        // Lidong to 10:30: 12 d 9 h 55 min = 4 y + 1 m 15 d + 4 d 14 h; month вод вод.
        {{20, 11, 2023, 9, 30, 8, 120, 0, "E"},
         Sex::Male,
         false,
         {4, 1, 19, 14},
         {{"ВОД", "ЗЕМ"}, {"мет", "мет"}, {"МЕТ", "МЕТ"}},
         {2028, 1, 8}},
        // 07:00 to Jingzhe: 4 d 21 h 36 min = 1 y 4 m + 3 m 15 d + 3 d; month ДЕР ДЕР.
        {{1, 3, 2023, 6, 0, 8, 120, 0, "E"},
         Sex::Female,
         true,
         {1, 7, 18, 0},
         {{"дер", "дер"}, {"ОГО", "ЗЕМ"}, {"ого", "ого"}},
         {2024, 10, 19}},
    };
    const auto hoursOf = [](const LifeSpan &span) {
        return ((span.Years * 12 + span.Months) * 30 + span.Days) * 24 + span.Hours;
    };
    for (const Case &c : cases) {
        const auto chart = ComputeChart(c.input);
        ASSERT_TRUE(chart.Details);
        const auto luck = ComputeLuck(c.input, *chart.Details, c.sex).Luck;
        ASSERT_TRUE(luck);
        const std::string name = std::to_string(c.input.Year) + (c.sex == Sex::Male ? " male" : " female");
        EXPECT_EQ(luck->Forward, c.forward) << name;
        EXPECT_NEAR(hoursOf(luck->Start), hoursOf(c.start), 2) << name;
        EXPECT_EQ(luck->StartMoment.Date, c.startDate) << name;
        ASSERT_EQ(luck->Pillars.size(), 10u);
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(luck->Pillars[n].Luck, c.first[n]) << name << " pillar " << n + 1;
        EXPECT_EQ(luck->Pillars[0].FromAge, c.start.Years) << name;
        EXPECT_EQ(luck->Pillars[0].FromYear, c.startDate.Year) << name;
        EXPECT_EQ(luck->Pillars[1].FromYear, c.startDate.Year + 10) << name;
    }

    // The sentence of the first birth, its start to the hour.
    const LuckChart first{true, 22.8, {7, 7, 5, 18}, {{2032, 2, 21}, 6, 0, 0}, {}};
    EXPECT_EQ(LuckSentence(first, Sex::Male),
              "Мужской гороскоп: такты идут вперёд; первый начинается через 7 г. 7 мес. 5 дн. 18 ч. после "
              "рождения, 21.02.2032 в 06:00.");
}

// Charts placed a known time from the month change the core finds: three
// days before it gives a year, 36 hours six months, five minutes ten hours;
// at the start of spring the year stem, and so the direction, flips.
TEST(Luck, StartsFromTheTermInstant)
{
    const auto july = ComputeChart(At(15, 7, 1985, 12, 0));
    ASSERT_TRUE(july.Details);
    const SolarTerms &t = july.Details->Terms;
    const double next = t.TermMoments[t.SolarMonth];
    // 1985 is a yin year: a female chart runs forward.
    struct Case {
        double days; // chart moment minus the term
        LifeSpan atLeast;
    };
    const Case cases[] = {{-3, {1, 0, 0, 0}}, {-1.5, {0, 6, 0, 0}}, {-5.0 / 1440, {0, 0, 0, 10}}};
    for (const Case &c : cases) {
        const ChartInput input = ClockAt(next, c.days);
        const auto chart = ComputeChart(input);
        const auto luck = ComputeLuck(input, *chart.Details, Sex::Female).Luck;
        ASSERT_TRUE(luck);
        EXPECT_TRUE(luck->Forward);
        // The clock is to the minute; the term to the second: under a minute
        // more of time is under two hours of life more.
        EXPECT_EQ(luck->Start.Years, c.atLeast.Years) << c.days;
        EXPECT_EQ(luck->Start.Months, c.atLeast.Months) << c.days;
        EXPECT_EQ(luck->Start.Days, c.atLeast.Days) << c.days;
        EXPECT_GE(luck->Start.Hours, c.atLeast.Hours) << c.days;
        EXPECT_LE(luck->Start.Hours, c.atLeast.Hours + 1) << c.days;
    }

    const auto spring = ComputeChart(At(10, 2, 1985, 12, 0));
    const double start = spring.Details->Terms.TermMoments[0];
    const ChartInput before = ClockAt(start, -2.0 / 1440), after = ClockAt(start, 2.0 / 1440);
    const auto luckBefore = ComputeLuck(before, *ComputeChart(before).Details, Sex::Male).Luck;
    const auto luckAfter = ComputeLuck(after, *ComputeChart(after).Details, Sex::Male).Luck;
    EXPECT_TRUE(luckBefore->Forward);    // 1984, ДЕР: yang
    EXPECT_FALSE(luckAfter->Forward);    // 1985, дер: yin
    EXPECT_LE(luckAfter->Start.Days, 4); // two minutes after the term, backward
    EXPECT_EQ(luckAfter->Start.Years, 0);
}

// The Gua of the year pillar's year: published values for both sexes, and a
// birth on 4 February on either side of the start of spring.
TEST(Luck, GuaNumbers)
{
    struct Case {
        int year, male, female;
    };
    const Case cases[] = {
        {1984, 7, 8}, {1985, 6, 9}, {1986, 2, 1}, {1999, 1, 8}, {2000, 9, 6}, {2009, 9, 6}, {2013, 2, 1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(GuaOf(c.year, Sex::Male).Number, c.male) << c.year;
        EXPECT_EQ(GuaOf(c.year, Sex::Female).Number, c.female) << c.year;
    }
    const Gua one = GuaOf(1999, Sex::Male);
    EXPECT_TRUE(one.East);
    EXPECT_STREQ(one.Favourable[0], "SE");
    EXPECT_STREQ(one.Unfavourable[3], "SW");
    EXPECT_FALSE(GuaOf(2000, Sex::Female).East);

    const auto spring = ComputeChart(At(10, 2, 1985, 12, 0));
    const double start = spring.Details->Terms.TermMoments[0];
    for (const auto &[days, year] : {std::pair{-1.0 / 1440, 1984}, std::pair{1.0 / 1440, 1985}}) {
        const ChartInput input = ClockAt(start, days);
        EXPECT_EQ(input.Day, 4);
        const auto chart = ComputeChart(input);
        EXPECT_EQ(chart.Details->Terms.SolarYear, year);
        EXPECT_EQ(GuaOf(chart.Details->Terms.SolarYear, Sex::Male).Number, year == 1984 ? 7 : 6);
    }
}
