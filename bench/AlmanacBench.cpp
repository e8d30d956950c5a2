// SPDX-License-Identifier: AGPL-3.0-or-later
// Cost of the day almanac of one month and of one year of days, each from
// an empty store of term dates as the first page the window shows, with the
// number of sun crossings searched and sun positions computed.

#include <benchmark/benchmark.h>

#include "Almanac.h"
#include "Ephemeris.h"
#include "Gregorian.h"

namespace {

void FillMonths(benchmark::State &state, int months)
{
    const std::uint64_t callsBefore = SunCalcCount();
    std::int64_t searches = 0;
    for (auto _ : state) {
        AlmanacYears years;
        for (int m = 0; m < months; ++m)
            for (int day = 1; day <= DaysInMonth(2024, 1 + m); ++day)
                benchmark::DoNotOptimize(AlmanacOf({2024, 1 + m, day}, years));
        searches += years.SearchCount();
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["searches"] = static_cast<double>(searches) / runs;
    state.counters["swe_calc"] = static_cast<double>(SunCalcCount() - callsBefore) / runs;
}

void Month(benchmark::State &state) { FillMonths(state, 1); }
void Year(benchmark::State &state) { FillMonths(state, 12); }

} // namespace

BENCHMARK(Month)->Unit(benchmark::kMillisecond);
BENCHMARK(Year)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
