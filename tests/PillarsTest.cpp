// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "Gregorian.h"
#include "Pillars.h"

TEST(Pillars, WorkedExampleOfFirstJanuary2000)
{
    EXPECT_EQ(DayNumberOf({2000, 1, 1}), 10480);
    const Pillars p = BuildPillars(1999, 11, {2000, 1, 1}, 12);
    EXPECT_EQ(p.DayPillar, (Pillar{"ЗЕМ", "ОГО"}));
    EXPECT_EQ(p.HourPillar, (Pillar{"ЗЕМ", "ОГО"}));
    EXPECT_EQ(p.YearPillar, (Pillar{"зем", "дер"}));
    EXPECT_EQ(p.MonthPillar, (Pillar{"ОГО", "ВОД"}));
}

TEST(Pillars, HourBranchNumbers)
{
    struct Case {
        int hour;
        const char *branch;
    };
    const Case cases[] = {{23, "ВОД"}, {0, "ВОД"},  {1, "зем"},  {2, "зем"},
                          {3, "ДЕР"},  {12, "ОГО"}, {21, "вод"}, {22, "вод"}};
    for (const Case &c : cases)
        EXPECT_EQ(BuildPillars(2024, 1, {2024, 3, 1}, c.hour).HourPillar.Branch, c.branch) << "hour " << c.hour;
}

TEST(Pillars, HourStemFollowsTheDayStem)
{
    // Hour 0 (the rat hour) of 1..10 May 2024, whose day stems run from
    // дер (1 May) on: the rat-hour stems of the five day groups, twice.
    const struct {
        int day;
        const char *stem;
    } cases[] = {{1, "ОГО"}, {2, "ЗЕМ"}, {3, "МЕТ"}, {4, "ВОД"}, {5, "ДЕР"},
                 {6, "ОГО"}, {7, "ЗЕМ"}, {8, "МЕТ"}, {9, "ВОД"}, {10, "ДЕР"}};
    for (const auto &c : cases)
        EXPECT_EQ(BuildPillars(2024, 4, {2024, 5, c.day}, 0).HourPillar.Stem, c.stem) << "day " << c.day;
    EXPECT_EQ(BuildPillars(2024, 4, {2024, 5, 1}, 0).DayPillar.Stem, "дер");
}

TEST(Pillars, DayNumberCountsLeapDays)
{
    EXPECT_EQ(DayNumberOf({2024, 3, 1}) - DayNumberOf({2024, 2, 29}), 1);
    EXPECT_EQ(DayNumberOf({2024, 2, 29}) - DayNumberOf({2024, 2, 1}), 28);
    EXPECT_EQ(FloorMod(DayNumberOf({2001, 1, 1}) - DayNumberOf({2000, 12, 31}), 60), 1);
    EXPECT_EQ(FloorMod(DayNumberOf({1901, 1, 1}) - DayNumberOf({1900, 1, 1}), 60), 365 % 60);
    EXPECT_EQ(FloorMod(DayNumberOf({2001, 1, 1}) - DayNumberOf({2000, 1, 1}), 60), 366 % 60);
    // The sixty-day cycle runs on across the start of year 1.
    EXPECT_EQ(FloorMod(DayNumberOf({1, 1, 1}) - DayNumberOf({0, 12, 31}), 60), 1);
}

TEST(Pillars, YearsBeforeOneStayInsideTheTables)
{
    for (int year : {-1, 0, -11, -12, -59}) {
        const Pillars p = BuildPillars(year, 12, {year, 12, 31}, 23);
        EXPECT_EQ(p.YearPillar.Stem.size(), 6u) << year;
        EXPECT_EQ(p.DayPillar.Branch.size(), 6u) << year;
    }
    // Year 0 continues the sexagenary cycle: 60 years before 60 is year 0.
    EXPECT_EQ(BuildPillars(0, 1, {0, 3, 1}, 0).YearPillar, BuildPillars(60, 1, {60, 3, 1}, 0).YearPillar);
}

// The month table by the year's last digit: the Тигр month (1) and the Бык
// month (12) of each row, the rows repeating every five digits, and the
// whole row of the digit 3.
TEST(Pillars, MonthPillarsFollowTheYearDigit)
{
    const Pillar tiger[5] = {{"ЗЕМ", "ДЕР"}, {"МЕТ", "ДЕР"}, {"ВОД", "ДЕР"}, {"ДЕР", "ДЕР"}, {"ОГО", "ДЕР"}};
    const Pillar ox[5] = {{"зем", "зем"}, {"мет", "зем"}, {"вод", "зем"}, {"дер", "зем"}, {"ого", "зем"}};
    for (int digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(BuildPillars(2000 + digit, 1, {2000, 3, 1}, 12).MonthPillar, tiger[digit % 5]) << digit;
        EXPECT_EQ(BuildPillars(-10 + digit, 12, {2000, 3, 1}, 12).MonthPillar, ox[digit % 5]) << digit;
    }
    const Pillar row3[12] = {{"ДЕР", "ДЕР"}, {"дер", "дер"}, {"ОГО", "ЗЕМ"}, {"ого", "ого"},
                             {"ЗЕМ", "ОГО"}, {"зем", "зем"}, {"МЕТ", "МЕТ"}, {"мет", "мет"},
                             {"ВОД", "ЗЕМ"}, {"вод", "вод"}, {"ДЕР", "ВОД"}, {"дер", "зем"}};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(BuildPillars(1993, month, {2000, 3, 1}, 12).MonthPillar, row3[month - 1]) << month;
}
