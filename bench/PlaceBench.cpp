// One city query over the whole database, as the place dialog runs it on
// each key typed (target: 20 ms or less), and the one-time building of the
// index.

#include <benchmark/benchmark.h>

#include "CityIndex.h"
#include "GeonamesCities.h"

namespace {

void QueryWholeDatabase(benchmark::State &state, const char *query)
{
    const CityIndex &index = CityIndex::Shared();
    const QString text = QString::fromUtf8(query);
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Find(text, 100));
    state.counters["cities"] = double(index.Size());
}

void BuildIndex(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CityIndex(LoadGeonamesCities(RussianGeonamesCatalog())).Size());
}

} // namespace

BENCHMARK_CAPTURE(QueryWholeDatabase, OneLetter, "к")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, Prefix, "каз")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, Latin, "novosib")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, NoMatch, "ыыщщжж")->Unit(benchmark::kMillisecond);
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
