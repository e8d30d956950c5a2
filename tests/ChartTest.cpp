// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "Chart.h"

TEST(Chart, WorkedExampleOfFirstJanuary2000)
{
    const ChartOutcome outcome = ComputeChart({1, 1, 2000, 12, 0, 0, 0, 0, "E"});
    ASSERT_TRUE(outcome.Details);
    const ChartDetails &d = *outcome.Details;
    EXPECT_EQ(d.Moment.ChartDate, (CalendarDate{2000, 1, 1}));
    EXPECT_EQ(d.Moment.ChartHour, 12);
    EXPECT_EQ(d.Terms.SolarYear, 1999);
    EXPECT_EQ(d.Terms.SolarMonth, 11);
    EXPECT_EQ(d.Terms.SquareYear, 1999);
    EXPECT_EQ(d.Result.HourPillar, (Pillar{"ЗЕМ", "ОГО"}));
    EXPECT_EQ(d.Result.DayPillar, (Pillar{"ЗЕМ", "ОГО"}));
    EXPECT_EQ(d.Result.MonthPillar, (Pillar{"ОГО", "ВОД"}));
    EXPECT_EQ(d.Result.YearPillar, (Pillar{"зем", "дер"}));
    EXPECT_EQ(d.Result.YearSquare, (Square{{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}}));
    EXPECT_EQ(d.Result.MonthSquare, (Square{{{6, 2, 4}, {5, 7, 9}, {1, 3, 8}}}));
}

TEST(Chart, HourExactlyOnTheHourOfLocalMeanTime)
{
    const ChartOutcome outcome = ComputeChart({10, 10, 2009, 10, 4, 1, 89, 0, "E"});
    ASSERT_TRUE(outcome.Details);
    EXPECT_EQ(outcome.Details->Moment.ChartHour, 15);
    EXPECT_EQ(outcome.Details->Result.HourPillar.Branch, "МЕТ");
    EXPECT_EQ(outcome.Details->Result.HourPillar.Stem, "МЕТ");
}

TEST(Chart, OutsideTheEphemerisEndsWithAMessage)
{
    for (const ChartInput &input :
         {ChartInput{1, 1, 4000, 12, 0, 5, 60, 36, "E"}, ChartInput{31, 12, 9999, 23, 59, -23, 179, 59, "E"},
          ChartInput{1, 3, 3003, 12, 0, 0, 0, 0, "E"}}) {
        const ChartOutcome outcome = ComputeChart(input);
        EXPECT_FALSE(outcome.Details) << input.Year;
        EXPECT_EQ(outcome.Error, ChartError::EphemerisRange);
    }
}

TEST(Chart, FirstHoursOfYearOneGiveAChart)
{
    // 00:30 on 1 January of year 1 at UT+5 falls on 31 December of year 0.
    const ChartOutcome outcome = ComputeChart({1, 1, 1, 0, 30, 5, 0, 0, "E"});
    ASSERT_TRUE(outcome.Details);
    EXPECT_EQ(outcome.Details->Moment.ChartDate, (CalendarDate{0, 12, 31}));
    EXPECT_EQ(outcome.Details->Terms.SearchYear, 0);
    EXPECT_EQ(outcome.Details->Terms.YearGroup, 0);
    for (const auto &row : outcome.Details->Result.YearSquare)
        for (int cell : row)
            EXPECT_TRUE(cell >= 1 && cell <= 9);
    // 1 February of year 1 searches spring of year 0 and lands in year 0.
    const ChartOutcome february = ComputeChart({1, 2, 1, 12, 0, 0, 0, 0, "E"});
    ASSERT_TRUE(february.Details);
    EXPECT_EQ(february.Details->Terms.SolarYear, 0);
    EXPECT_EQ(february.Details->Result.YearPillar.Stem, "МЕТ");
}

// A clock with an exact offset gives the chart moment of the same Universal
// Time as a clock at +0 does, and its terms move by the exact offset as
// whole-hour corrections move them.
TEST(Chart, ExactOffsetsTakeTheSameUniversalTime)
{
    struct Case {
        const char *what;
        ChartInput exact;     // the clock at its exact offset
        ChartInput universal; // the same moment on a clock at +0
        int seconds;
    };
    const Case cases[] = {
        {"Kolkata +5:30", {1, 1, 2000, 12, 0, 0, 88, 22, "E"}, {1, 1, 2000, 6, 30, 0, 88, 22, "E"}, 19800},
        {"Moscow mean time +2:30:17", {15, 7, 1900, 10, 0, 0, 37, 37, "E"}, {15, 7, 1900, 7, 29, 0, 37, 37, "E"}, 9017},
        {"Kathmandu +5:45", {15, 7, 1995, 10, 0, 0, 85, 19, "E"}, {15, 7, 1995, 4, 15, 0, 85, 19, "E"}, 20700},
        {"St. John's -3:30", {15, 1, 2000, 22, 0, 0, 52, 43, "W"}, {16, 1, 2000, 1, 30, 0, 52, 43, "W"}, -12600},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ChartInput exact = c.exact;
        SetClockOffset(exact, c.seconds);
        EXPECT_EQ(OffsetSecondsOf(exact), c.seconds);
        const ChartOutcome a = ComputeChart(exact);
        const ChartOutcome b = ComputeChart(c.universal);
        ASSERT_TRUE(a.Details && b.Details);
        // Moscow mean time: the +0 clock shows 07:29 of 07:29:43.
        const double seconds = c.seconds % 60 ? (60 - c.seconds % 60) / 86400.0 : 0;
        EXPECT_NEAR(a.Details->Moment.ChartJD, b.Details->Moment.ChartJD + seconds, 1e-9);
        EXPECT_EQ(a.Details->Result, b.Details->Result);
        for (int k = 0; k < 13; ++k)
            EXPECT_NEAR(a.Details->Terms.TermMoments[k] - b.Details->Terms.TermMoments[k], c.seconds / 86400.0, 1e-9)
                << k;
    }
}
