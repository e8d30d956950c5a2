// SPDX-License-Identifier: AGPL-3.0-or-later
// The distinct charts of an uncertain time: known boundaries from a table,
// and random spans sampled every minute against the chart of that minute.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ChangeText.h"
#include "ChartSpan.h"
#include "ChartText.h"
#include "Ephemeris.h"
#include "RandomCases.h"

namespace {

// The input moved to a term of its own chart's solar year.
ChartInput NearTerm(const ChartInput &input, int index, int minutes)
{
    const ChartOutcome chart = ComputeChart(input);
    return ClockNear(input, chart.Details->Terms.TermMoments[index], minutes);
}

ChartResult ChartAt(const ChartInput &input, std::int64_t seconds, SolarTermCache &cache)
{
    return ComputeChartAt(input, seconds, {TermSearch::Fast, &cache}).Details->Result;
}

// Every minute of the span has its range's chart, and each boundary
// separates two charts that differ in what it names.
void ExpectExact(const ChartInput &input, const ChartSpan &span, SolarTermCache &cache)
{
    const std::string name = FormatHeader(input);
    ASSERT_FALSE(span.Ranges.empty()) << name;
    for (const ChartRange &range : span.Ranges) {
        for (std::int64_t s = range.From + 59 - (range.From + 59) % 60; s < range.To; s += 60)
            ASSERT_EQ(ChartAt(input, s, cache), range.Result) << name << " at " << s;
        if (&range != &span.Ranges.front()) {
            EXPECT_EQ(ChangesBetween(ChartAt(input, range.From - 1, cache), range.Result), range.Changes)
                << name << " at " << range.From;
        }
    }
}

} // namespace

TEST(ChartSpan, KnownBoundaries)
{
    const ChartInput kazan{15, 7, 1985, 11, 40, 4, 49, 7, "E"};
    const ChartInput greenwich{10, 3, 2001, 23, 0, 0, 0, 0, "E"};
    const ChartInput beijing{6, 4, 2001, 12, 0, 8, 116, 24, "E"};
    const ChartInput spring{4, 2, 2021, 12, 0, 0, 0, 0, "E"};
    // A clock behind UT moves the stored term earlier, while the year square
    // on 4 February waits for the sun itself.
    const ChartInput squareAtSun{3, 2, 2019, 19, 0, -5, 0, 0, "E"};
    struct Case {
        const char *Name;
        ChartInput Input;
        std::int32_t Minutes;
        std::vector<unsigned> Changes; // of the ranges after the first
        int TermIndex = -1;            // the boundary that is this term of the chart
    } cases[] = {
        {"hour at 11:43:32 of the clock", kazan, 60, {ChangeHour}},
        {"day at 23:00 of local mean time", greenwich, 30, {ChangeHour | ChangeDay}},
        {"month at the 15-degree term", NearTerm(beijing, 2, -10), 30, {ChangeMonth | ChangeMonthSquare}, 2},
        {"spring on 3 February: the year, the square on the 4th",
         NearTerm(spring, 0, 0),
         90,
         {ChangeHour, ChangeMonth | ChangeYear | ChangeMonthSquare, ChangeHour},
         0},
        {"year square at 315 degrees, five hours after the year",
         squareAtSun,
         300,
         {ChangeHour, ChangeMonth | ChangeYear | ChangeMonthSquare, ChangeHour | ChangeDay, ChangeHour,
          ChangeYearSquare, ChangeHour},
         0},
        {"one chart", {10, 3, 2001, 12, 0, 0, 0, 0, "E"}, 1, {}},
    };
    for (const Case &c : cases) {
        SolarTermCache cache;
        const SpanOutcome outcome = ComputeChartSpan(c.Input, c.Minutes);
        ASSERT_TRUE(outcome.Span) << c.Name;
        const auto &ranges = outcome.Span->Ranges;
        std::vector<unsigned> changes;
        for (std::size_t i = 1; i < ranges.size(); ++i)
            changes.push_back(ranges[i].Changes);
        EXPECT_EQ(changes, c.Changes) << c.Name;
        EXPECT_EQ(ranges.front().From, -60 * c.Minutes) << c.Name;
        EXPECT_EQ(ranges.back().To, 60 * c.Minutes) << c.Name;
        EXPECT_FALSE(outcome.Span->Cut) << c.Name;
        ExpectExact(c.Input, *outcome.Span, cache);
        if (c.TermIndex >= 0) {
            // The month begins at the first second whose moment is after the term.
            const auto month =
                std::find_if(ranges.begin(), ranges.end(), [](auto &r) { return r.Changes & ChangeMonth; });
            ASSERT_NE(month, ranges.end()) << c.Name;
            const double term = ComputeChartAt(c.Input, month->From).Details->Terms.TermMoments[c.TermIndex];
            EXPECT_LE(ChartMomentOf(c.Input, month->From - 1).ChartJD, term) << c.Name;
            EXPECT_GT(ChartMomentOf(c.Input, month->From).ChartJD, term) << c.Name;
        }
    }
    EXPECT_EQ(ClockTimeText(ClockTimeAt(kazan, ComputeChartSpan(kazan, 60).Span->Ranges[1].From)),
              "15.07.1985 11:43:32");
    const ChartRange square = ComputeChartSpan(squareAtSun, 300).Span->Ranges[5];
    EXPECT_LT(*SunLongitudeAt(ChartMomentOf(squareAtSun, square.From - 1).ChartJD), 315);
    EXPECT_GE(*SunLongitudeAt(ChartMomentOf(squareAtSun, square.From).ChartJD), 315);
}

TEST(ChartSpan, CutAtTheEdgeOfTheDates)
{
    const ChartInput first{1, 1, 1, 0, 30, 0, 0, 0, "E"};
    const SpanOutcome outcome = ComputeChartSpan(first, 60);
    ASSERT_TRUE(outcome.Span);
    EXPECT_TRUE(outcome.Span->Cut);
    EXPECT_EQ(ClockTimeText(ClockTimeAt(first, outcome.Span->Ranges.front().From)), "01.01.0001 00:00:00");
    EXPECT_EQ(outcome.Span->Ranges.back().To, 3600);
    const auto reading = [](const ChartInput &input) {
        return [&input](std::int64_t seconds) { return ClockTimeText(ClockTimeAt(input, seconds)); };
    };
    EXPECT_EQ(SpanCutNote(first, *outcome.Span, reading(first)),
              "Промежуток обрезан по границе вычислимых дат: с 01.01.0001 00:00:00.");

    const ChartInput last{31, 12, 5000, 23, 30, 0, 0, 0, "E"};
    EXPECT_EQ(ComputeChartSpan(last, 60).Error, ChartError::EphemerisRange);

    // The ephemeris ends before the start of spring 3003: at 0 hours and
    // longitude 0 the last chart is that of 04.02.3003 21:45:00, and a span
    // over it, or starting before it from a moment past it, is cut there.
    for (const ChartInput &input :
         {ChartInput{4, 2, 3003, 21, 30, 0, 0, 0, "E"}, ChartInput{5, 2, 3003, 0, 0, 0, 0, 0, "E"}}) {
        const SpanOutcome end = ComputeChartSpan(input, 1440);
        ASSERT_TRUE(end.Span);
        EXPECT_TRUE(end.Span->Cut);
        const std::int64_t to = end.Span->Ranges.back().To;
        EXPECT_EQ(ClockTimeText(ClockTimeAt(input, to)), "04.02.3003 21:45:01");
        EXPECT_TRUE(ComputeChartAt(input, to - 1).Details);
        EXPECT_FALSE(ComputeChartAt(input, to).Details);
        EXPECT_EQ(SpanCutNote(input, *end.Span, reading(input)),
                  "Промежуток обрезан по границе вычислимых дат: до 04.02.3003 21:45:01.");
    }
}

TEST(ChartSpan, RandomSpansHoldTheirChartAtEveryMinute)
{
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 400; ++n) {
        ChartInput input = RandomChartInput(random, 2, 2999);
        // Every other case is put next to a term, a quarter next to the start of spring.
        if (n % 2)
            input = NearTerm(input, n % 4 == 1 ? 0 : n % 12, std::uniform_int_distribution(-60, 60)(random));
        const auto minutes = std::uniform_int_distribution(1, 120)(random);
        SolarTermCache cache;
        const SpanOutcome outcome = ComputeChartSpan(input, minutes, {TermSearch::Fast, &cache});
        ASSERT_TRUE(outcome.Span) << FormatHeader(input);
        ExpectExact(input, *outcome.Span, cache);
    }
}

TEST(ChartSpan, NearestChangeNamedWithItsMinutes)
{
    const ChartInput kazan{15, 7, 1985, 11, 40, 4, 49, 7, "E"};
    const auto ahead = FindNearestChange(kazan);
    ASSERT_TRUE(ahead);
    EXPECT_EQ(ahead->What, ChangeHour);
    EXPECT_EQ(ahead->Seconds, 212);
    EXPECT_TRUE(IsNearChange(*ahead));
    EXPECT_EQ(NearestChangeText(*ahead, true), "До смены часа 3 мин");

    const ChartInput after{10, 3, 2001, 23, 3, 0, 0, 0, "E"};
    const auto behind = FindNearestChange(after);
    ASSERT_TRUE(behind);
    EXPECT_EQ(behind->Seconds, -180);
    EXPECT_EQ(NearestChangeText(*behind), "после смены дня 3 мин");
    EXPECT_EQ(ChangeWords(behind->What), "час, день");

    const ChartInput far{10, 3, 2001, 22, 0, 0, 0, 0, "E"};
    EXPECT_FALSE(IsNearChange(*FindNearestChange(far)));
    EXPECT_EQ(NearestChangeText({ChangeMonth | ChangeMonthSquare, 20}), "до смены месяца менее 1 мин");
}
