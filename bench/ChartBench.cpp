// SPDX-License-Identifier: AGPL-3.0-or-later
// Cost of a chart with the fast and with the step-by-step solar-term search,
// of one search, and of many random charts through the tool's batch path,
// with the number of sun positions (swe_calc calls) each takes; the chart
// and the span on true solar time against local mean time. At the end
// the speed-ups are printed as ratios of figures measured in the same run.

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Chart.h"
#include "ChartSpan.h"
#include "ChartRequest.h"
#include "Ephemeris.h"
#include "Gua.h"
#include "LuckPillars.h"
#include "RandomCases.h"

namespace {

const ChartInput Inputs[] = {
    {1, 1, 2000, 12, 0, 0, 0, 0, "E"},
    {6, 12, 2026, 14, 5, 5, 60, 36, "E"},
    {4, 2, 2024, 0, 0, -5, 0, 0, "E"},
    {15, 7, 1953, 23, 30, 3, 37, 37, "E"},
};

// The mixed batch: charts of 1900..2100 with the corrections -12..14 of the
// world's clocks and any longitude; the step-by-step search takes a sample
// of the same cases.
constexpr int BatchCharts = 20000;
constexpr int LiteralCharts = 500;

// Per chart: CPU time (seconds, shown with a unit prefix) and swe_calc calls.
void CountPerChart(benchmark::State &state, std::int64_t chartsPerIteration, std::uint64_t callsBefore)
{
    const double charts = static_cast<double>(state.iterations() * chartsPerIteration);
    state.counters["time/chart"] =
        benchmark::Counter(charts, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["swe_calc/chart"] = static_cast<double>(SunCalcCount() - callsBefore) / charts;
}

std::vector<ChartInput> MixedInputs(int count)
{
    std::mt19937_64 random(1);
    std::vector<ChartInput> inputs;
    for (int i = 0; i < count; ++i) {
        inputs.push_back(RandomChartInput(random, 1900, 2100));
        inputs.back().Correction = std::uniform_int_distribution(-12, 14)(random);
    }
    return inputs;
}

void FullChart(benchmark::State &state, TermSearch search)
{
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state) {
        const ChartOutcome outcome = ComputeChart(Inputs[i++ % std::size(Inputs)], {search});
        benchmark::DoNotOptimize(outcome);
    }
    CountPerChart(state, 1, callsBefore);
}
BENCHMARK_CAPTURE(FullChart, Fast, TermSearch::Fast)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullChart, Literal, TermSearch::Literal)->Unit(benchmark::kMillisecond);

// The same charts with their luck pillars and Gua number, both sexes in
// turn, so both directions (and the twelfth month's extra term) are met.
void ChartWithLuck(benchmark::State &state)
{
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state) {
        const ChartInput &input = Inputs[i % std::size(Inputs)];
        const Sex sex = (i++ / std::size(Inputs)) % 2 ? Sex::Female : Sex::Male;
        const ChartOutcome outcome = ComputeChart(input);
        benchmark::DoNotOptimize(ComputeLuck(input, *outcome.Details, sex));
        benchmark::DoNotOptimize(GuaOf(outcome.Details->Terms.SolarYear, sex));
    }
    CountPerChart(state, 1, callsBefore);
}
BENCHMARK(ChartWithLuck)->Unit(benchmark::kMillisecond);

// Every distinct chart 12 hours either way of the same moments, against the
// chart alone: the span's boundaries come from the terms its end charts find.
void ChartSpan12Hours(benchmark::State &state)
{
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeChartSpan(Inputs[i++ % std::size(Inputs)], 720));
    CountPerChart(state, 1, callsBefore);
}
BENCHMARK(ChartSpan12Hours)->Unit(benchmark::kMillisecond);

// The same charts on local mean time and on true solar time, and the span
// on true solar time: the cost of the equation of time (one swe_time_equ
// call a chart; a span steps to its changes second by second).
std::vector<ChartInput> InputsOn(bool trueSolarTime)
{
    std::vector<ChartInput> inputs(std::begin(Inputs), std::end(Inputs));
    for (ChartInput &input : inputs)
        input.TrueSolarTime = trueSolarTime;
    return inputs;
}

void CountEquations(benchmark::State &state, std::uint64_t equationsBefore)
{
    state.counters["swe_time_equ/chart"] =
        static_cast<double>(EquationOfTimeCount() - equationsBefore) / static_cast<double>(state.iterations());
}

void ChartOnSolarTime(benchmark::State &state, bool trueSolarTime)
{
    const std::vector<ChartInput> inputs = InputsOn(trueSolarTime);
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    const std::uint64_t equationsBefore = EquationOfTimeCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeChart(inputs[i++ % inputs.size()]));
    CountPerChart(state, 1, callsBefore);
    CountEquations(state, equationsBefore);
}
BENCHMARK_CAPTURE(ChartOnSolarTime, LocalMeanTime, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChartOnSolarTime, TrueSolarTime, true)->Unit(benchmark::kMillisecond);

void ChartSpan12HoursOnSolarTime(benchmark::State &state)
{
    const std::vector<ChartInput> inputs = InputsOn(true);
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    const std::uint64_t equationsBefore = EquationOfTimeCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeChartSpan(inputs[i++ % inputs.size()], 720));
    CountPerChart(state, 1, callsBefore);
    CountEquations(state, equationsBefore);
}
BENCHMARK(ChartSpan12HoursOnSolarTime)->Unit(benchmark::kMillisecond);

void SingleSolarTerm(benchmark::State &state, TermSearch search)
{
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSolarTerm(2024, 2, 315, 5, search));
    state.counters["swe_calc/term"] =
        benchmark::Counter(static_cast<double>(SunCalcCount() - callsBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK_CAPTURE(SingleSolarTerm, Fast, TermSearch::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SingleSolarTerm, Literal, TermSearch::Literal)->Unit(benchmark::kMicrosecond);

// The mixed batch through the tool's batch path: parsing, the charts with
// their shared solar terms, and the output lines.
void RandomBatch(benchmark::State &state)
{
    std::string text;
    for (const ChartInput &input : MixedInputs(BatchCharts)) {
        text += CsvLineOf(input);
        text += '\n';
    }
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostringstream out;
        benchmark::DoNotOptimize(RunBatch(in, out, {}).Status);
    }
    CountPerChart(state, BatchCharts, callsBefore);
}
BENCHMARK(RandomBatch)->Unit(benchmark::kSecond)->Iterations(1);

// The first cases of the mixed batch, each searching every term step by step
// as a chart did before the fast search and the batch's shared terms.
void RandomLiteral(benchmark::State &state)
{
    const std::vector<ChartInput> inputs = MixedInputs(LiteralCharts);
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state) {
        for (const ChartInput &input : inputs)
            benchmark::DoNotOptimize(ComputeChart(input, {TermSearch::Literal}));
    }
    CountPerChart(state, LiteralCharts, callsBefore);
}
BENCHMARK(RandomLiteral)->Unit(benchmark::kSecond)->Iterations(1);

// Console output as usual, keeping the per-chart figures for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const auto perChart = run.counters.find("time/chart");
            if (perChart != run.counters.end())
                secondsPerChart_[run.benchmark_name()] = perChart->second.value;
            const auto calls = run.counters.find("swe_calc/chart");
            if (calls != run.counters.end())
                callsPerChart_[run.benchmark_name()] = calls->second.value;
        }
    }

    void PrintRatio(const std::string &slow, const std::string &fast, const char *what,
                    const char *relation = "times faster") const
    {
        const auto s = secondsPerChart_.find(slow);
        const auto f = secondsPerChart_.find(fast);
        if (s == secondsPerChart_.end() || f == secondsPerChart_.end() || f->second <= 0)
            return;
        std::cout << what << ": " << s->second * 1000 << " ms / " << f->second * 1000
                  << " ms CPU time per chart = " << s->second / f->second << " " << relation << "\n";
    }

    void PrintCallRatio(const std::string &more, const std::string &fewer, const char *what) const
    {
        const auto m = callsPerChart_.find(more);
        const auto f = callsPerChart_.find(fewer);
        if (m == callsPerChart_.end() || f == callsPerChart_.end() || f->second <= 0)
            return;
        std::cout << what << ": " << m->second << " / " << f->second
                  << " swe_calc calls per chart = " << m->second / f->second << " times the chart alone\n";
    }

private:
    std::map<std::string, double> secondsPerChart_;
    std::map<std::string, double> callsPerChart_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("FullChart/Literal", "FullChart/Fast", "chart, fast vs step-by-step search");
    reporter.PrintRatio("RandomLiteral/iterations:1", "RandomBatch/iterations:1", "mixed batch vs step-by-step search");
    reporter.PrintRatio("ChartWithLuck", "FullChart/Fast", "chart with luck pillars vs chart alone",
                        "times the chart alone");
    reporter.PrintRatio("ChartSpan12Hours", "FullChart/Fast", "span of +-12 hours vs chart alone",
                        "times the chart alone");
    reporter.PrintCallRatio("ChartSpan12Hours", "FullChart/Fast", "span of +-12 hours vs chart alone");
    reporter.PrintRatio("ChartOnSolarTime/TrueSolarTime", "ChartOnSolarTime/LocalMeanTime",
                        "chart on true solar time vs local mean time", "times the chart on local mean time");
    reporter.PrintRatio("ChartSpan12HoursOnSolarTime", "ChartSpan12Hours",
                        "span of +-12 hours on true solar time vs local mean time",
                        "times the span on local mean time");
    benchmark::Shutdown();
    return 0;
}
