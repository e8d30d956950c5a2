// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart's two optional rules: true solar time (local mean time plus the
// equation of time) and the day change at midnight. Expected pillars are
// worked by hand from 01.01.2000, a Ян Земля·Лошадь day (the tool's worked
// example); the equation of time against its published values.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "ChartSigns.h"
#include "ChartSpan.h"
#include "ChartText.h"
#include "Ephemeris.h"
#include "LuckPillars.h"
#include "RandomCases.h"
#include "SolarTime.h"

namespace {

ChartInput WithRules(ChartInput input, bool trueSolarTime, bool dayChangeAtMidnight)
{
    input.TrueSolarTime = trueSolarTime;
    input.DayChangeAtMidnight = dayChangeAtMidnight;
    return input;
}

// Moscow's clock (+3) at Moscow's longitude: local mean time is the clock
// less 29 min 32 s.
ChartInput Moscow(int day, int month, int year, int hour, int minute)
{
    return {day, month, year, hour, minute, 3, 37, 37, "E"};
}

ChartResult ChartAt(const ChartInput &input, std::int64_t seconds, SolarTermCache &cache)
{
    const ChartOutcome outcome = ComputeChartAt(input, seconds, {TermSearch::Fast, &cache});
    EXPECT_TRUE(outcome.Details) << FormatHeader(input) << " at " << seconds;
    return outcome.Details ? outcome.Details->Result : ChartResult{};
}

// Every minute of the span has its range's chart, each range starts with
// its chart and the second before it has the chart it changed from.
void ExpectExact(const ChartInput &input, const ChartSpan &span, SolarTermCache &cache)
{
    const std::string name = FormatHeader(input);
    for (const ChartRange &range : span.Ranges) {
        for (std::int64_t s = range.From + 59 - (range.From + 59) % 60; s < range.To; s += 60)
            ASSERT_EQ(ChartAt(input, s, cache), range.Result) << name << " at " << s;
        if (&range == &span.Ranges.front())
            continue;
        EXPECT_EQ(ChartAt(input, range.From, cache), range.Result) << name << " at " << range.From;
        EXPECT_EQ(ChangesBetween(ChartAt(input, range.From - 1, cache), range.Result), range.Changes)
            << name << " at " << range.From;
    }
}

std::int64_t LifeHours(const LifeSpan &span)
{
    return ((span.Years * 12 + span.Months) * 30 + span.Days) * 24 + span.Hours;
}

} // namespace

// Published extremes (−14 min 15 s to +16 min 25 s) and the dates where the
// equation is nought, at 12:00 UT of 2025.
TEST(ChartRules, EquationOfTimeMatchesPublishedValues)
{
    struct Case {
        int Day, Month;
        double Minutes;
        double ToleranceSeconds;
    } cases[] = {
        {11, 2, -14.2, 5}, {14, 5, 3.7, 5}, {26, 7, -6.5, 5}, {3, 11, 16.4, 5},
        {15, 4, 0, 15},    {13, 6, 0, 15},  {1, 9, 0, 15},    {25, 12, 0, 15},
    };
    for (const Case &c : cases) {
        const ChartInput noon{c.Day, c.Month, 2025, 12, 0, 0, 0, 0, "E"};
        const std::optional<double> minutes = EquationOfTimeMinutes(noon);
        ASSERT_TRUE(minutes) << c.Day << "." << c.Month;
        EXPECT_NEAR(*minutes * 60, c.Minutes * 60, c.ToleranceSeconds) << c.Day << "." << c.Month;
        // The same noon on another clock and longitude is the same Universal Time.
        const ChartInput tokyo{c.Day, c.Month, 2025, 21, 0, 9, 139, 45, "E"};
        EXPECT_EQ(EquationOfTimeMinutes(tokyo), minutes) << c.Day << "." << c.Month;
    }
    EXPECT_FALSE(EquationOfTimeMinutes({1, 1, 5000, 12, 0, 0, 0, 0, "E"}));
}

// 03.11.2024 11:20 in Moscow: local mean time 10:50:28, the Змея hour of a
// Инь Металл·Коза day (вод/ого); true solar time 16 min 26 s later is past
// 11:00, the Лошадь hour (ДЕР/ОГО). Month Ян Дерево·Собака, year Ян Дерево·Дракон.
TEST(ChartRules, TrueSolarTimeMovesTheHourPillarPastItsBoundary)
{
    const ChartInput clock = Moscow(3, 11, 2024, 11, 20);
    const std::uint64_t before = EquationOfTimeCount();
    const ChartOutcome mean = ComputeChart(clock);
    EXPECT_EQ(EquationOfTimeCount(), before);
    const ChartOutcome solar = ComputeChart(WithRules(clock, true, false));
    EXPECT_EQ(EquationOfTimeCount(), before + 1);
    ASSERT_TRUE(mean.Details && solar.Details);

    EXPECT_EQ(mean.Details->Moment.ChartHour, 10);
    EXPECT_EQ(mean.Details->Result.HourPillar, (Pillar{"вод", "ого"}));
    EXPECT_EQ(solar.Details->Moment.ChartHour, 11);
    EXPECT_EQ(solar.Details->Result.HourPillar, (Pillar{"ДЕР", "ОГО"}));
    EXPECT_NEAR(solar.Details->EquationSeconds, 16.4 * 60, 5);
    EXPECT_EQ(SignsOf(*mean.Details).Hour, (Sign{9, 5}));
    EXPECT_EQ(SignsOf(*solar.Details).Hour, (Sign{0, 6}));
    for (const ChartOutcome *chart : {&mean, &solar}) {
        EXPECT_EQ(chart->Details->Result.DayPillar, (Pillar{"мет", "зем"}));
        EXPECT_EQ(chart->Details->Result.MonthPillar, (Pillar{"ДЕР", "ЗЕМ"}));
        EXPECT_EQ(chart->Details->Result.YearPillar, (Pillar{"ДЕР", "ЗЕМ"}));
    }
    // It is the local-mean-time chart of the clock moved by the equation.
    const ChartOutcome moved = ComputeChartAt(clock, solar.Details->EquationSeconds);
    EXPECT_EQ(moved.Details->Result, solar.Details->Result);
    EXPECT_EQ(moved.Details->Moment.ChartJD, solar.Details->Moment.ChartJD);
}

// The day pillar from 23:00 to midnight, with local mean time the clock
// (offset 0, longitude 0). 10.03.2001 is Ян Вода·Обезьяна, 11.03 Инь
// Вода·Петух, whose rat hour is Ян Вода; 31.01.2001 Ян Дерево·Лошадь,
// 01.02 Инь Дерево·Коза with the Ян Огонь rat hour; 03.11.2024 Инь
// Металл·Коза, 04.11 Ян Вода·Обезьяна with the Ян Металл rat hour;
// 10.02.2025 Ян Металл·Собака, 11.02 Инь Металл·Свинья with the Ян Земля
// rat hour. The equation is +16.4 min on 3 November, -14.2 on 11 February.
TEST(ChartRules, DayChangeAtMidnightKeepsTheDateUntil24)
{
    const Pillar horse{"ДЕР", "ОГО"}, goat{"дер", "зем"}, monkey{"ВОД", "МЕТ"}, rooster{"вод", "мет"},
        metalGoat{"мет", "зем"}, waterMonkey{"ВОД", "МЕТ"}, dog{"МЕТ", "ЗЕМ"}, pig{"мет", "вод"};
    const Pillar pigHour{"мет", "вод"}, waterRat{"ВОД", "ВОД"}, fireRat{"ОГО", "ВОД"}, metalRat{"МЕТ", "ВОД"},
        earthRat{"ЗЕМ", "ВОД"};
    struct Case {
        ChartInput Clock;
        bool Solar, Midnight;
        Pillar Day, Hour;
        Sign DaySign, HourSign;
    } cases[] = {
        {{10, 3, 2001, 22, 59}, false, false, monkey, pigHour, {8, 8}, {7, 11}},
        {{10, 3, 2001, 22, 59}, false, true, monkey, pigHour, {8, 8}, {7, 11}},
        {{10, 3, 2001, 23, 0}, false, false, rooster, waterRat, {9, 9}, {8, 0}},
        {{10, 3, 2001, 23, 0}, false, true, monkey, waterRat, {8, 8}, {8, 0}},
        {{10, 3, 2001, 23, 30}, false, false, rooster, waterRat, {9, 9}, {8, 0}},
        {{10, 3, 2001, 23, 30}, false, true, monkey, waterRat, {8, 8}, {8, 0}},
        {{10, 3, 2001, 23, 59}, false, false, rooster, waterRat, {9, 9}, {8, 0}},
        {{10, 3, 2001, 23, 59}, false, true, monkey, waterRat, {8, 8}, {8, 0}},
        {{11, 3, 2001, 0, 0}, false, false, rooster, waterRat, {9, 9}, {8, 0}},
        {{11, 3, 2001, 0, 0}, false, true, rooster, waterRat, {9, 9}, {8, 0}},
        {{31, 1, 2001, 23, 30}, false, false, goat, fireRat, {1, 7}, {2, 0}},
        {{31, 1, 2001, 23, 30}, false, true, horse, fireRat, {0, 6}, {2, 0}},
        // Local mean time 23:50, true solar time 00:06 of the next day.
        {{3, 11, 2024, 23, 50}, false, true, metalGoat, metalRat, {7, 7}, {6, 0}},
        {{3, 11, 2024, 23, 50}, true, true, waterMonkey, metalRat, {8, 8}, {6, 0}},
        {{3, 11, 2024, 23, 50}, true, false, waterMonkey, metalRat, {8, 8}, {6, 0}},
        // Local mean time 00:10, true solar time 23:56 of the day before.
        {{11, 2, 2025, 0, 10}, false, true, pig, earthRat, {7, 11}, {4, 0}},
        {{11, 2, 2025, 0, 10}, true, true, dog, earthRat, {6, 10}, {4, 0}},
        {{11, 2, 2025, 0, 10}, true, false, pig, earthRat, {7, 11}, {4, 0}},
    };
    for (const Case &c : cases) {
        const ChartInput input = WithRules(c.Clock, c.Solar, c.Midnight);
        const std::string name = FormatHeader(input) + (c.Solar ? " solar" : "") + (c.Midnight ? " midnight" : "");
        const ChartOutcome outcome = ComputeChart(input);
        ASSERT_TRUE(outcome.Details) << name;
        EXPECT_EQ(outcome.Details->Result.DayPillar, c.Day) << name;
        EXPECT_EQ(outcome.Details->Result.HourPillar, c.Hour) << name;
        const ChartSigns signs = SignsOf(*outcome.Details);
        EXPECT_EQ(signs.Day, c.DaySign) << name;
        EXPECT_EQ(signs.Hour, c.HourSign) << name;
        // Nothing but the day pillar depends on the rule.
        const ChartOutcome other = ComputeChart(WithRules(c.Clock, c.Solar, !c.Midnight));
        ChartResult same = other.Details->Result;
        same.DayPillar = c.Day;
        EXPECT_EQ(same, outcome.Details->Result) << name;
    }
}

// Spans across the day's change, exact to the second: the day at 23:00 or
// at midnight of local mean time, or of true solar time, 14 min 11 s behind
// the clock on 11.02.2025.
TEST(ChartRules, SpansChangeTheDayWhereTheRuleSays)
{
    const ChartInput evening{10, 3, 2001, 23, 30, 0, 0, 0, "E"};
    const ChartInput february{11, 2, 2025, 0, 0, 0, 0, 0, "E"};
    struct Case {
        const char *Name;
        ChartInput Input;
        std::int32_t Minutes;
        std::vector<unsigned> Changes;  // of the ranges after the first
        std::vector<std::int64_t> Near; // their starts, within Slack seconds
        std::int64_t Slack;
    } cases[] = {
        {"23:00", evening, 90, {ChangeHour | ChangeDay}, {-1800}, 0},
        {"midnight", WithRules(evening, false, true), 90, {ChangeHour, ChangeDay}, {-1800, 1800}, 0},
        {"23:00 of true solar time", WithRules(february, true, false), 60, {ChangeHour | ChangeDay}, {-2749}, 5},
        {"midnight of true solar time", WithRules(february, true, true), 60, {ChangeHour, ChangeDay}, {-2749, 851}, 5},
    };
    for (const Case &c : cases) {
        SolarTermCache cache;
        const SpanOutcome outcome = ComputeChartSpan(c.Input, c.Minutes, {TermSearch::Fast, &cache});
        ASSERT_TRUE(outcome.Span) << c.Name;
        const auto &ranges = outcome.Span->Ranges;
        ASSERT_EQ(ranges.size(), c.Changes.size() + 1) << c.Name;
        for (std::size_t i = 1; i < ranges.size(); ++i) {
            EXPECT_EQ(ranges[i].Changes, c.Changes[i - 1]) << c.Name;
            EXPECT_NEAR(ranges[i].From, c.Near[i - 1], c.Slack) << c.Name;
        }
        ExpectExact(c.Input, *outcome.Span, cache);
    }
    // The nearest change at 23:40 is midnight's day, or 23:00's hour and day.
    const ChartInput late{10, 3, 2001, 23, 40, 0, 0, 0, "E"};
    const auto atMidnight = FindNearestChange(WithRules(late, false, true));
    ASSERT_TRUE(atMidnight);
    EXPECT_EQ(atMidnight->What, unsigned(ChangeDay));
    EXPECT_EQ(atMidnight->Seconds, 1200);
    const auto atEleven = FindNearestChange(late);
    ASSERT_TRUE(atEleven);
    EXPECT_EQ(atEleven->What, ChangeHour | ChangeDay);
    EXPECT_EQ(atEleven->Seconds, -2400);
}

TEST(ChartRules, TrueSolarTimeSpansHoldTheirChartAtEveryMinute)
{
    std::mt19937_64 random(20261209);
    for (int n = 0; n < 40; ++n) {
        ChartInput input = WithRules(RandomChartInput(random, 2, 2999), true, n % 2 == 1);
        // Every other case is put next to a term, so the month changes too.
        if (n % 4 >= 2) {
            const ChartOutcome chart = ComputeChart(input);
            ASSERT_TRUE(chart.Details) << FormatHeader(input);
            input = ClockNear(input, chart.Details->Terms.TermMoments[n % 12],
                              std::uniform_int_distribution(-40, 40)(random));
        }
        const auto minutes = std::uniform_int_distribution(60, 180)(random);
        SolarTermCache cache;
        const SpanOutcome outcome = ComputeChartSpan(input, minutes, {TermSearch::Fast, &cache});
        ASSERT_TRUE(outcome.Span) << FormatHeader(input);
        ExpectExact(input, *outcome.Span, cache);
    }
}

// Forward from 03.11.2024 11:20 in Moscow to the start of winter: true solar
// time is 16.4 min nearer to it, 32.9 hours less of life.
TEST(ChartRules, LuckStartCountsFromTrueSolarTime)
{
    const ChartInput clock = Moscow(3, 11, 2024, 11, 20);
    const ChartOutcome mean = ComputeChart(clock);
    const ChartOutcome solar = ComputeChart(WithRules(clock, true, false));
    ASSERT_TRUE(mean.Details && solar.Details);
    const auto meanLuck = ComputeLuck(clock, *mean.Details, Sex::Male).Luck;
    const auto solarLuck = ComputeLuck(WithRules(clock, true, false), *solar.Details, Sex::Male).Luck;
    ASSERT_TRUE(meanLuck && solarLuck);
    EXPECT_TRUE(meanLuck->Forward && solarLuck->Forward);
    EXPECT_NEAR((meanLuck->SpanDays - solarLuck->SpanDays) * 1440, 16.4, 5.0 / 60);
    const std::int64_t lessLife = LifeHours(meanLuck->Start) - LifeHours(solarLuck->Start);
    EXPECT_TRUE(lessLife == 32 || lessLife == 33) << lessLife;
    EXPECT_EQ(meanLuck->Pillars.front().Luck, solarLuck->Pillars.front().Luck);
}
