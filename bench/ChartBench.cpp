// Cost of one chart and of one solar-term search, with the number of sun
// positions (swe_calc calls) each takes.

#include <benchmark/benchmark.h>

#include "Chart.h"
#include "Ephemeris.h"

namespace {

const ChartInput Inputs[] = {
    {1, 1, 2000, 12, 0, 0, 0, 0, "E"},
    {6, 12, 2026, 14, 5, 5, 60, 36, "E"},
    {4, 2, 2024, 0, 0, -5, 0, 0, "E"},
    {15, 7, 1953, 23, 30, 3, 37, 37, "E"},
};

void FullChart(benchmark::State &state)
{
    std::size_t i = 0;
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state) {
        const ChartOutcome outcome = ComputeChart(Inputs[i++ % std::size(Inputs)]);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["swe_calc/chart"] = benchmark::Counter(
        static_cast<double>(SunCalcCount() - callsBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK(FullChart)->Unit(benchmark::kMillisecond);

void SingleSolarTerm(benchmark::State &state)
{
    const std::uint64_t callsBefore = SunCalcCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSolarTerm(2024, 2, 315, 5));
    state.counters["swe_calc/term"] = benchmark::Counter(
        static_cast<double>(SunCalcCount() - callsBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK(SingleSolarTerm)->Unit(benchmark::kMicrosecond);

} // namespace
