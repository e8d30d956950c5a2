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
        {2, 2, 2024, 12, 0, 5, 60, 36, "E"}, {10, 2, 2024, 12, 0, 5, 60, 36, "E"},
        {3, 2, 2025, 20, 0, 0, 0, 0, "E"},   {4, 2, 2024, 0, 0, -5, 0, 0, "E"},
        {5, 1, 2024, 12, 0, 0, 0, 0, "E"},   {6, 1, 2024, 12, 0, 0, 0, 0, "E"},
        {1, 1, 1, 0, 30, 5, 0, 0, "E"},      {1, 2, 3003, 12, 0, 0, 0, 0, "E"},
        {1, 3, 3003, 12, 0, 0, 0, 0, "E"},   {1, 1, 4000, 12, 0, 5, 60, 36, "E"},
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

TEST(SolarTermCache, KeepsYearsCorrectionsAndTermsApart)
{
    SolarTermCache cache;
    cache.Store(2024, 5, 0, 2460345.0);
    cache.Store(3004, 5, 0, std::nullopt);
    ASSERT_NE(cache.Find(2024, 5, 0), nullptr);
    EXPECT_EQ(*cache.Find(2024, 5, 0), 2460345.0);
    EXPECT_EQ(cache.Find(2024, 5, 1), nullptr);
    EXPECT_EQ(cache.Find(2024, 0, 0), nullptr);
    EXPECT_EQ(cache.Find(2023, 5, 0), nullptr);
    ASSERT_NE(cache.Find(3004, 5, 0), nullptr) << "a failed search is stored too";
    EXPECT_FALSE(*cache.Find(3004, 5, 0));
    EXPECT_EQ(cache.Find(2024, 5, 12), nullptr);
    EXPECT_EQ(cache.YearCount(), 2u);
}

TEST(SolarTermCache, EmptiesItselfWhenFull)
{
    SolarTermCache cache(2);
    cache.Store(2000, 0, 0, 1.0);
    cache.Store(2001, 0, 0, 2.0);
    cache.Store(2001, 0, 3, 3.0); // a pair already held: nothing is dropped
    EXPECT_EQ(cache.YearCount(), 2u);
    ASSERT_NE(cache.Find(2000, 0, 0), nullptr);
    cache.Store(2002, 0, 0, 4.0);
    EXPECT_EQ(cache.YearCount(), 1u);
    EXPECT_EQ(cache.Find(2000, 0, 0), nullptr);
    ASSERT_NE(cache.Find(2002, 0, 0), nullptr);
    EXPECT_EQ(*cache.Find(2002, 0, 0), 4.0);
}
