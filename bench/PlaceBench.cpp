// SPDX-License-Identifier: AGPL-3.0-or-later
// The city search: one query over the whole index, as the place dialog runs
// it on each key typed (target: 20 ms or less); the making of the index
// from libgeonames; and the first search of a new process, which also reads
// the index, with no cache file (libgeonames loaded, the cache written) and
// with the cache file of an earlier run (target with the dialog's own work:
// 100 ms from the key to the painted dialog).
//
// A first search runs in a child process, this program started again with
// --first-search FOLDER; it prints its own time from main() to the found
// cities, and that is the figure reported.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

#include "ChildTime.h"
#include "CityIndex.h"
#include "CitySource.h"

namespace {

constexpr char FirstSearchFlag[] = "--first-search";
std::string g_program;

int FirstSearch(const char *cacheFolder)
{
    QElapsedTimer timer;
    timer.start();
    const CityIndex index(LoadIndexedCities(QString::fromLocal8Bit(cacheFolder), InstalledCityIndex()),
                          LoadOtherNames(InstalledOtherNamesPath()));
    const std::size_t found = index.Find(QStringLiteral("к"), 100).size();
    std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed()));
    return found == 0;
}

double TimeOfFirstSearch(const QString &cacheFolder)
{
    return ChildSeconds(g_program, std::string(FirstSearchFlag) + " '" + cacheFolder.toStdString() + "'");
}

void FirstSearchInNewProcess(benchmark::State &state, bool warmCache)
{
    QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/velmora");
    if (warmCache)
        TimeOfFirstSearch(folder);
    for (auto _ : state) {
        if (!warmCache)
            QDir(folder).removeRecursively();
        const double seconds = TimeOfFirstSearch(folder);
        if (seconds < 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

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
        benchmark::DoNotOptimize(CityIndex(LoadIndexedCities(QString(), QString()), {}).Size());
}

} // namespace

BENCHMARK_CAPTURE(FirstSearchInNewProcess, NoCache, false)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstSearchInNewProcess, WarmCache, true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, OneLetter, "к")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, Prefix, "каз")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, Latin, "novosib")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, Region, "заречный, пенз")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryWholeDatabase, NoMatch, "ыыщщжж")->Unit(benchmark::kMillisecond);
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], FirstSearchFlag) == 0)
        return FirstSearch(argv[2]);
    g_program = argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
