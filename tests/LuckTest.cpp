// SPDX-License-Identifier: AGPL-3.0-or-later
// Luck pillars and the Gua number, from tables of hand-computed and
// published cases and from the term instants the core itself finds.

#include <gtest/gtest.h>

#include <cmath>

#include "Gua.h"
#include "LuckPillars.h"
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

// Direction for the four cases, the start from the term the core finds on
// either side, and the sequence of pillars and years.
TEST(Luck, DirectionStartAndSequence)
{
    struct Case {
        ChartInput input;
        Sex sex;
        bool forward;
    };
    const Case cases[] = {
        {At(15, 7, 2000, 12, 0), Sex::Male, true}, // МЕТ: yang
        {At(15, 7, 2000, 12, 0), Sex::Female, false},
        {At(15, 7, 2001, 12, 0), Sex::Male, false}, // мет: yin
        {At(15, 7, 2001, 12, 0), Sex::Female, true},
    };
    for (const Case &c : cases) {
        const auto chart = ComputeChart(c.input);
        ASSERT_TRUE(chart.Details);
        const auto luck = ComputeLuck(c.input, *chart.Details, c.sex).Luck;
        ASSERT_TRUE(luck);
        const SolarTerms &t = chart.Details->Terms;
        EXPECT_EQ(luck->Forward, c.forward) << c.input.Year;
        const double boundary = c.forward ? t.TermMoments[t.SolarMonth] : t.TermMoments[t.SolarMonth - 1];
        EXPECT_DOUBLE_EQ(luck->SpanDays, std::abs(boundary - chart.Details->Moment.ChartJD));
        const int month = MonthCyclePosition(t.SolarYear, t.SolarMonth);
        ASSERT_EQ(luck->Pillars.size(), 10u);
        for (int n = 1; n <= 10; ++n) {
            const LuckPillar &p = luck->Pillars[n - 1];
            EXPECT_EQ(p.Luck, CyclePillar(month + (c.forward ? n : -n)));
            EXPECT_EQ(p.FromAge, luck->Start.Years + 10 * (n - 1));
            EXPECT_EQ(p.FromYear, luck->StartMoment.Date.Year + 10 * (n - 1));
            EXPECT_EQ(p.Years[9].Year, p.FromYear + 9);
            EXPECT_EQ(p.Years[3].YearPillar, YearPillarOf(p.FromYear + 3));
        }
    }
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
