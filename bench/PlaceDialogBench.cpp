// SPDX-License-Identifier: AGPL-3.0-or-later
// The place dialog's first opening in a run, as the user meets it: from the
// key that opens it (the dialog made, which reads the city index) to the
// dialog on screen and painted with the cities of a first typed letter
// (target: 100 ms or less with the cache file of an earlier run). With no
// cache file, the index is made from libgeonames and the file written.
//
// Each opening runs in a new process, this program started again with
// --first-dialog and XDG_CACHE_HOME set; the display is the one given, or
// Qt's offscreen platform when QT_QPA_PLATFORM is not set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <string>

#include "ChildTime.h"
#include "PlaceUnit.h"

namespace {

constexpr char FirstDialogFlag[] = "--first-dialog";
std::string g_program;

int FirstDialog(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Stands for the main window, on screen before the key.
    QWidget window;
    window.resize(480, 400);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QElapsedTimer timer;
    timer.start();
    TPlaceDialog dialog(&window);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    QTest::sendKeyEvent(QTest::Click, dialog.focusWidget(), Qt::Key_unknown, QStringLiteral("к"), Qt::NoModifier);
    dialog.repaint();
    std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed()));
    return dialog.findChild<QListWidget *>(QStringLiteral("PlaceList"))->count() == 0;
}

void FirstOpening(benchmark::State &state, bool warmCache)
{
    QTemporaryDir home;
    const std::string environment =
        "QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_CACHE_HOME='" + home.path().toStdString() + "'";
    if (warmCache)
        ChildSeconds(g_program, FirstDialogFlag, environment);
    for (auto _ : state) {
        if (!warmCache)
            QDir(home.path()).removeRecursively();
        const double seconds = ChildSeconds(g_program, FirstDialogFlag, environment);
        if (seconds < 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

} // namespace

BENCHMARK_CAPTURE(FirstOpening, NoCache, false)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstOpening, WarmCache, true)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], FirstDialogFlag) == 0)
        return FirstDialog(argc, argv);
    g_program = argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
