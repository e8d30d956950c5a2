// SPDX-License-Identifier: AGPL-3.0-or-later
// The client file: an import of 40,000 clients into a new file; the search
// as the user types "иван" one letter at a time over 100,000 clients with
// notes (target: 50 ms a key or less); the first search after a change,
// which joins the search text again; and the opening of the file, which
// checks it and reads every client into memory.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

#include "ClientFile.h"
#include "ClientRows.h"

namespace {

constexpr int NotesLength = 200;

// One file of 100,000 clients for all the searches.
ClientFile &Hundred()
{
    static QTemporaryDir folder;
    static const std::unique_ptr<ClientFile> file = [] {
        auto made = std::make_unique<ClientFile>(folder.filePath(QStringLiteral("clients.sqlite")));
        made->importCsv(ClientRowsCsv(100000, NotesLength));
        return made;
    }();
    return *file;
}

void Import(benchmark::State &state)
{
    const QByteArray csv = ClientRowsCsv(int(state.range(0)), NotesLength);
    for (auto _ : state) {
        QTemporaryDir folder;
        ClientFile file(folder.filePath(QStringLiteral("clients.sqlite")));
        if (file.importCsv(csv).Added != state.range(0))
            state.SkipWithError("the import failed");
    }
    state.counters["csv MB"] = double(csv.size()) / 1e6;
}

// Typing "иван": the search for the first letters given.
void SearchKey(benchmark::State &state)
{
    ClientFile &file = Hundred();
    const QString typed = QStringLiteral("иван").left(state.range(0));
    std::size_t found = 0;
    for (auto _ : state)
        found = file.search(typed).size();
    state.SetLabel(typed.toStdString());
    state.counters["found"] = double(found);
}

void SearchAfterChange(benchmark::State &state)
{
    ClientFile &file = Hundred();
    Client client = file.all().front();
    for (auto _ : state) {
        state.PauseTiming();
        client.Notes += u'.';
        file.update(client);
        state.ResumeTiming();
        benchmark::DoNotOptimize(file.search(QStringLiteral("ива")).size());
    }
}

void Open(benchmark::State &state)
{
    const QString path = Hundred().path();
    for (auto _ : state)
        benchmark::DoNotOptimize(ClientFile(path).all().size());
}

} // namespace

BENCHMARK(Import)->Arg(40000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SearchKey)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchAfterChange)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(Open)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
