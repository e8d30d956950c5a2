// SPDX-License-Identifier: AGPL-3.0-or-later
#include <random>

#include <gtest/gtest.h>

#include "Chart.h"
#include "Ephemeris.h"
#include "RandomCases.h"
#include "SolarTermCache.h"

namespace {

void ExpectSameChart(const ChartOutcome &expected, const ChartOutcome &actual, int year)
{
    ASSERT_EQ(expected.Details.has_value(), actual.Details.has_value()) << year;
    EXPECT_EQ(expected.Error, actual.Error) << year;
    if (!expected.Details)
        return;
    const SolarTerms &a = expected.Details->Terms;
    const SolarTerms &b = actual.Details->Terms;
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(SameMoment(a.TermMoments[i], b.TermMoments[i])) << year << " term " << i;
    EXPECT_EQ(a.SearchYear, b.SearchYear) << year;
    EXPECT_EQ(a.SolarYear, b.SolarYear) << year;
    EXPECT_EQ(a.SolarMonth, b.SolarMonth) << year;
    EXPECT_EQ(a.SquareYear, b.SquareYear) << year;
    EXPECT_EQ(expected.Details->Result, actual.Details->Result) << year;
}

} // namespace

TEST(SolarTermCache, ChartsWithTheCacheEqualChartsWithout)
{
    // February before and after the start of spring (both search the spring
    // of the same year), January around the 285-degree term, year 1, the
    // last February the ephemeris covers and a year beyond it.
    const ChartInput inputs[] = {
        {2, 2, 2024, 12, 0, 5, 60, 36, "E"}, {10, 2, 2024, 12, 0, 5, 60, 36, "E"}, {3, 2, 2025, 20, 0, 0, 0, 0, "E"},
        {4, 2, 2024, 0, 0, -5, 0, 0, "E"},   {5, 1, 2024, 12, 0, 0, 0, 0, "E"},    {6, 1, 2024, 12, 0, 0, 0, 0, "E"},
        {1, 1, 1, 0, 30, 5, 0, 0, "E"},      {1, 2, 3003, 12, 0, 0, 0, 0, "E"},    {1, 3, 3003, 12, 0, 0, 0, 0, "E"},
        {1, 1, 4000, 12, 0, 5, 60, 36, "E"},
    };
    SolarTermCache cache;
    const SolarTermOptions cached{TermSearch::Fast, &cache};
    for (const ChartInput &input : inputs)
        ExpectSameChart(ComputeChart(input), ComputeChart(input, cached), input.Year);
    for (const ChartInput &input : inputs) {
        // Now every term comes from the cache, failed searches included: the
        // only ephemeris call left is the sun at the chart moment.
        const ChartOutcome fresh = ComputeChart(input);
        const std::uint64_t before = SunCalcCount();
        ExpectSameChart(fresh, ComputeChart(input, cached), input.Year);
        EXPECT_EQ(SunCalcCount() - before, 1u) << input.Year;
    }
}

// Whether the chart's correction puts it into another solar month or search
// year than the same moment would have with the terms left uncorrected.
bool CorrectionDecides(const ChartDetails &chart, const SolarTermOptions &options)
{
    const auto uncorrected = FindSolarTerms(chart.Moment, chart.SunLongitude, 0, options);
    return uncorrected->SolarMonth != chart.Terms.SolarMonth || uncorrected->SearchYear != chart.Terms.SearchYear;
}

TEST(SolarTermCache, MixedCorrectionsAndHemispheresEqualTheStepByStepSearch)
{
    // One cache for every correction (-12..14) and both hemispheres, against
    // the step-by-step search without a cache. Half the charts are chosen
    // where the correction moves a term across the moment, in February also
    // the start of spring, so the search year changes with it.
    std::mt19937_64 random(1402);
    SolarTermCache cache;
    const SolarTermOptions cached{TermSearch::Fast, &cache};
    int decided = 0;
    int others = 0;
    while (decided < 24 || others < 24) {
        ChartInput input = RandomChartInput(random, 1999, 2001);
        input.Day = std::uniform_int_distribution(2, 8)(random);
        if (decided % 3 == 0)
            input.Month = 2;
        input.Correction = std::uniform_int_distribution(-12, 14)(random);
        const ChartOutcome withCache = ComputeChart(input, cached);
        ASSERT_TRUE(withCache.Details);
        int &count = CorrectionDecides(*withCache.Details, cached) ? decided : others;
        if (count >= 24)
            continue;
        ++count;
        ExpectSameChart(ComputeChart(input, {TermSearch::Literal}), withCache, input.Year);
    }
    EXPECT_LE(cache.YearCount(), 4u);
}

TEST(SolarTermCache, AYearFoundOnceServesEveryCorrection)
{
    SolarTermCache cache;
    const SolarTermOptions cached{TermSearch::Fast, &cache};
    ChartInput input{15, 7, 2020, 12, 0, 0, 30, 0, "E"};
    ComputeChart(input, cached);
    for (std::int32_t correction = -23; correction <= 23; ++correction) {
        input.Correction = correction;
        const ChartOutcome fresh = ComputeChart(input);
        const std::uint64_t before = SunCalcCount();
        ExpectSameChart(fresh, ComputeChart(input, cached), correction);
        EXPECT_EQ(SunCalcCount() - before, 1u) << correction;
    }
    EXPECT_EQ(cache.YearCount(), 1u);
}

TEST(SolarTermCache, KeepsYearsAndTermsApart)
{
    SolarTermCache cache;
    const CalendarMoment spring{{2024, 2, 4}, 8.5};
    cache.Store(2024, 0, spring);
    cache.Store(3004, 0, std::nullopt);
    ASSERT_NE(cache.Find(2024, 0), nullptr);
    EXPECT_EQ(cache.Find(2024, 0)->value().Hour, 8.5);
    EXPECT_EQ(cache.Find(2024, 0)->value().Date.Day, 4);
    EXPECT_EQ(cache.Find(2024, 1), nullptr);
    EXPECT_EQ(cache.Find(2023, 0), nullptr);
    ASSERT_NE(cache.Find(3004, 0), nullptr) << "a failed search is stored too";
    EXPECT_FALSE(*cache.Find(3004, 0));
    EXPECT_EQ(cache.Find(2024, 12), nullptr);
    EXPECT_EQ(cache.YearCount(), 2u);
}

TEST(SolarTermCache, EmptiesItselfWhenFull)
{
    SolarTermCache cache(2);
    const CalendarMoment moment{{2000, 2, 4}, 1.0};
    cache.Store(2000, 0, moment);
    cache.Store(2001, 0, moment);
    cache.Store(2001, 3, moment); // a year already held: nothing is dropped
    EXPECT_EQ(cache.YearCount(), 2u);
    ASSERT_NE(cache.Find(2000, 0), nullptr);
    cache.Store(2002, 0, moment);
    EXPECT_EQ(cache.YearCount(), 1u);
    EXPECT_EQ(cache.Find(2000, 0), nullptr);
    EXPECT_NE(cache.Find(2002, 0), nullptr);
}
