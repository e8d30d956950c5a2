// SPDX-License-Identifier: AGPL-3.0-or-later
// The pillars as stem and branch indexes: they read as the chart's own
// tokens on real charts, and as the published pillars on known dates.

#include <gtest/gtest.h>

#include <random>

#include "ChartSigns.h"
#include "RandomCases.h"

namespace {

ChartSigns SignsAt(const ChartInput &input)
{
    const ChartOutcome outcome = ComputeChart(input);
    EXPECT_TRUE(outcome.Details);
    return outcome.Details ? SignsOf(*outcome.Details) : ChartSigns{};
}

} // namespace

TEST(ChartSigns, ReadAsTheChartsTokens)
{
    // Early years, the rat hour on both sides of midnight, the start of
    // spring, west longitudes; then random charts of years 1..3000.
    std::vector<ChartInput> inputs{
        {1, 1, 1, 0, 30, 5, 0, 0, "E"},        {15, 6, 245, 23, 10, 0, 0, 0, "E"},
        {29, 2, 400, 22, 59, 3, 45, 0, "E"},   {3, 3, 999, 23, 0, 0, 0, 0, "E"},
        {31, 12, 999, 23, 59, -5, 75, 0, "W"}, {1, 1, 2000, 23, 30, 0, 0, 0, "E"},
        {1, 1, 2000, 22, 59, 0, 0, 0, "E"},    {4, 2, 2024, 16, 27, 8, 116, 24, "E"},
        {4, 2, 2024, 16, 28, 8, 116, 24, "E"}, {7, 8, 1985, 12, 0, 4, 49, 7, "E"},
        {10, 10, 2009, 10, 4, 1, 89, 0, "E"},  {25, 12, 2020, 8, 30, 5, 60, 36, "E"},
    };
    std::mt19937_64 random(20240601);
    while (inputs.size() < 60)
        inputs.push_back(RandomChartInput(random, 1, 3000));
    for (const ChartInput &input : inputs) {
        const ChartOutcome outcome = ComputeChart(input);
        ASSERT_TRUE(outcome.Details) << input.Day << "." << input.Month << "." << input.Year;
        const ChartSigns signs = SignsOf(*outcome.Details);
        const ChartResult &result = outcome.Details->Result;
        const std::string at = std::to_string(input.Day) + "." + std::to_string(input.Month) + "."
            + std::to_string(input.Year) + " " + std::to_string(input.Hour) + ":" + std::to_string(input.Minute);
        EXPECT_EQ(TokensOf(signs.Hour), result.HourPillar) << at;
        EXPECT_EQ(TokensOf(signs.Day), result.DayPillar) << at;
        EXPECT_EQ(TokensOf(signs.Month), result.MonthPillar) << at;
        EXPECT_EQ(TokensOf(signs.Year), result.YearPillar) << at;
        for (PillarName p : PillarNames)
            EXPECT_EQ(SignAt(SignPosition(SignOf(signs, p))), SignOf(signs, p)) << at;
    }
}

// Stems from Ян Дерево (0), branches from Крыса (0).
TEST(ChartSigns, KnownCharts)
{
    struct Case {
        ChartInput input;
        ChartSigns signs;
    };
    const Case cases[] = {
        // 戊午 day and hour, 丙子 month of the 己卯 year.
        {{1, 1, 2000, 12, 0, 0, 0, 0, "E"}, {{4, 6}, {4, 6}, {2, 0}, {5, 3}}},
        // 23:30 local mean time is the rat hour of the next day, 己未: 甲子.
        {{1, 1, 2000, 23, 30, 0, 0, 0, "E"}, {{0, 0}, {5, 7}, {2, 0}, {5, 3}}},
        // Lunar new year 2024 in Beijing: 庚午 hour, 甲辰 day, 丙寅 month, 甲辰 year.
        {{10, 2, 2024, 12, 0, 8, 116, 24, "E"}, {{6, 6}, {0, 4}, {2, 2}, {0, 4}}},
        // Kazan: 辛巳 hour, 乙卯 day, 癸未 month, 乙丑 year.
        {{15, 7, 1985, 10, 0, 4, 49, 7, "E"}, {{7, 5}, {1, 3}, {9, 7}, {1, 1}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SignsAt(c.input), c.signs) << c.input.Day << "." << c.input.Month << "." << c.input.Year;
}
