// SPDX-License-Identifier: AGPL-3.0-or-later
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "RandomCases.h"
#include "SolarTerms.h"
#include "TermSearch.h"

// The fast search must stop on exactly the trial moment of the step-by-step
// one: near a solar-month boundary that last bit decides the chart.

namespace {

std::string Describe(const TermStart &start, std::int32_t correction)
{
    return "start " + std::to_string(start.Year) + "-" + std::to_string(start.Month) + " target "
        + std::to_string(start.Target) + " correction " + std::to_string(correction);
}

void ExpectSameTerm(const TermStart &start, std::int32_t correction)
{
    const auto literal = FindSolarTerm(start.Year, start.Month, start.Target, correction, TermSearch::Literal);
    const auto fast = FindSolarTerm(start.Year, start.Month, start.Target, correction);
    EXPECT_TRUE(SameMoment(literal, fast))
        << Describe(start, correction) << ": literal " << literal.value_or(-1) << " fast " << fast.value_or(-1);
}

void ExpectSameWalk(const TermStart &start, int maxSteps)
{
    const auto literal = SearchTerm(start.Year, start.Month, start.Target, TermSearch::Literal, maxSteps);
    const auto fast = SearchTerm(start.Year, start.Month, start.Target, TermSearch::Fast, maxSteps);
    EXPECT_TRUE(SameMoment(literal, fast)) << Describe(start, 0) << " within " << maxSteps << " steps: literal "
                                           << literal.value_or(-1) << " fast " << fast.value_or(-1);
}

} // namespace

TEST(TermSearch, FastMatchesLiteralOnRandomSearches)
{
    std::mt19937_64 random(20240204);
    for (int i = 0; i < 2000 && !HasFailure(); ++i) {
        const TermCase c = RandomTermCase(random);
        ExpectSameTerm(c.Start, c.Correction);
    }
}

TEST(TermSearch, FastMatchesLiteralOnEveryTermOfSampledYears)
{
    for (std::int32_t year = 1; year <= 3000 && !HasFailure(); year += 25) {
        for (int index = 0; index < 12; ++index)
            ExpectSameTerm(SolarTermStart(year, index), year % 47 - 23);
    }
}

TEST(TermSearch, FastMatchesLiteralWhereTheEphemerisEnds)
{
    for (std::int32_t year = 3000; year <= 3004; ++year) {
        for (int index = 0; index < 12; ++index)
            ExpectSameTerm(SolarTermStart(year, index), 5);
    }
    EXPECT_TRUE(FindSolarTerm(3003, 4, 15, 0));
    EXPECT_FALSE(FindSolarTerm(3003, 5, 45, 0));
}

TEST(TermSearch, FastMatchesLiteralFromStartsFarFromTheTerm)
{
    // Months of coarse steps forward and backward, and a target the sun never
    // reaches, which runs out of steps.
    ExpectSameTerm({2024, 6, 315}, 0);
    ExpectSameTerm({2024, 1, 15}, 0);
    ExpectSameTerm({1, 12, 345}, -23);
    ExpectSameWalk({2024, 2, 400}, 5000);
    EXPECT_FALSE(SearchTerm(2024, 2, 400, TermSearch::Fast));
}

TEST(TermSearch, FastMatchesLiteralWhenTheStepsRunOut)
{
    // Forward (2024), backward (spring of 2025 fell on 3 February) and the
    // January start; around the step count each search needs.
    for (const TermStart &start : {TermStart{2024, 2, 315}, TermStart{2025, 2, 315}, TermStart{2024, 1, 285}}) {
        int fails = 0;
        int settles = 1000;
        while (settles - fails > 1) {
            const int middle = (fails + settles) / 2;
            (SearchTerm(start.Year, start.Month, start.Target, TermSearch::Literal, middle) ? settles : fails) = middle;
        }
        ASSERT_GT(settles, 10) << Describe(start, 0);
        for (int maxSteps : {0, 1, 2, 3, settles - 2, settles - 1, settles, settles + 1})
            ExpectSameWalk(start, maxSteps);
    }
}
