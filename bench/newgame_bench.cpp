// How long the new-game browser takes from the New Game command to its filled list on screen, over
// a folder of 3000 puzzles and 10000 solved records kept in the registry file.
#include "library/newgame.h"
#include "puzzle_library_fixture.h"

#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr std::uint32_t PuzzleFiles = 3000;

// Each showing lists the folder afresh, is painted once whole and is then cancelled.
void ShowNewGameBrowser(benchmark::State& state) {
    static PuzzleLibraryFixture library(PuzzleFiles);
    Tfnewgame dialog(library.Registry);
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    int rows = 0;
    for (auto _ : state) {
        QTimer::singleShot(0, &dialog, [&] {
            dialog.repaint();
            rows = list->topLevelItemCount();
            dialog.reject();
        });
        benchmark::DoNotOptimize(dialog.ChooseFrom(library.Puzzles()));
    }
    if (rows != static_cast<int>(PuzzleFiles))
        state.SkipWithError("the browser missed puzzles");
}

} // namespace

BENCHMARK(ShowNewGameBrowser)->Unit(benchmark::kMillisecond);
