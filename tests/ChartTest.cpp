#include <gtest/gtest.h>

#include "Chart.h"
#include "Messages.h"

TEST(Chart, WorkedExampleOfFirstJanuary2000)
{
    const ChartOutcome outcome = ComputeChart({1, 1, 2000, 12, 0, 0, 0, 0, "E"});
    ASSERT_TRUE(outcome.Details) << outcome.Error;
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
        EXPECT_EQ(outcome.Error, Messages::EphemerisRange);
    }
}

TEST(Chart, FirstHoursOfYearOneGiveAChart)
{
    // 00:30 on 1 January of year 1 at UT+5 falls on 31 December of year 0.
    const ChartOutcome outcome = ComputeChart({1, 1, 1, 0, 30, 5, 0, 0, "E"});
    ASSERT_TRUE(outcome.Details) << outcome.Error;
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
