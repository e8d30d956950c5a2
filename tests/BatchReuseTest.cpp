// SPDX-License-Identifier: AGPL-3.0-or-later
#include <algorithm>
#include <array>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "Batch.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "RandomCases.h"
#include "ChartErrorText.h"

namespace {

// The line the tool prints for input when run on it alone.
std::string SingleLine(const ChartInput &input, bool json)
{
    const ChartOutcome outcome = ComputeChart(input);
    const std::string line = CsvLineOf(input);
    if (!outcome.Details)
        return json ? FormatJsonError(line, ChartErrorText(outcome.Error))
                    : FormatCsvError(BatchFields(line), ChartErrorText(outcome.Error));
    return json ? Dumped(ChartJson(line, *outcome.Details)) : FormatCsv(line, *outcome.Details);
}

} // namespace

TEST(Batch, ReusedTermsGiveTheSameLinesAsSingleCharts)
{
    // Few years and corrections, so most lines reuse terms found for earlier
    // ones; some in January and February, where the search year changes; the
    // last lines fall outside the ephemeris.
    std::mt19937_64 random(7);
    std::vector<ChartInput> inputs;
    for (int i = 0; i < 300; ++i) {
        ChartInput input = RandomChartInput(random, 1998, 2002);
        input.Correction = std::array{-5, 0, 3, 5}[i % 4];
        if (i % 3 == 0)
            input.Month = 1 + i % 2;
        input.Day = std::min(input.Day, 28);
        inputs.push_back(input);
    }
    inputs.push_back({1, 6, 3003, 12, 0, 5, 60, 36, "E"});
    inputs.push_back({1, 2, 3003, 12, 0, 5, 60, 36, "E"});

    std::string text;
    for (const ChartInput &input : inputs)
        text += CsvLineOf(input) + "\n";
    for (bool json : {false, true}) {
        std::istringstream in(text);
        std::ostringstream out;
        RunBatch(in, out, {.Json = json});
        std::istringstream lines(out.str());
        std::string line;
        for (const ChartInput &input : inputs) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_EQ(line, SingleLine(input, json)) << (json ? "json" : "csv");
        }
        EXPECT_FALSE(std::getline(lines, line)) << "extra line " << line;
    }
}
