// How long the board takes to draw: a whole drawing of the largest puzzle, a press from the
// action to its pixels, and the editor's whole grid; with the heap allocations each makes.
#include "allocation_counter.h"
#include "largest_board.h"
#include "board/board_action.h"
#include "model/solved_cells.h"
#include "render/scheme_preview.h"

#include <benchmark/benchmark.h>

namespace {

void ReportAllocations(benchmark::State& state, std::size_t before) {
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(Allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// Another scheme each time, so every call draws the whole board.
void FullRebuildLargest(benchmark::State& state) {
    auto board = std::make_unique<LargestBoard>(static_cast<BoardSize>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        board->Colours[0] = step++ % 2;
        benchmark::DoNotOptimize(board->Renderer.Update(board->Scene(), board->Image));
    }
}
BENCHMARK(FullRebuildLargest)
    ->Arg(static_cast<int>(BoardSize::Small))
    ->Arg(static_cast<int>(BoardSize::Large))
    ->Unit(benchmark::kMillisecond);

// Everything a press costs: the action with its record, the search for what changed and its
// one box drawn, and the solved test.
void WholeClick(benchmark::State& state) {
    auto board = std::make_unique<LargestBoard>(BoardSize::Large);
    board->Game.History.reserve(1 << 20);
    int step = 0;
    const std::size_t before = Allocations.load();
    for (auto _ : state) {
        const BoardTarget target{BoardArea::GridCell, step % 128, step / 128 % 128};
        benchmark::DoNotOptimize(PressBox(board->Game, target, ButtonKind::Left));
        benchmark::DoNotOptimize(board->Renderer.Update(board->Scene(), board->Image));
        benchmark::DoNotOptimize(GridMatchesSolution(board->Game));
        ++step;
    }
    ReportAllocations(state, before);
}
BENCHMARK(WholeClick)->Unit(benchmark::kMicrosecond);

// The editor's grid at its largest, drawn whole in another scheme each time.
void EditorFullRedrawLarge128(benchmark::State& state) {
    auto board = std::make_unique<LargestBoard>(BoardSize::Large);
    const RasterFont& face = board->Face;
    PixelImage image;
    BoardRenderer renderer;
    int step = 0;
    for (auto _ : state) {
        board->Colours[0] = step++ % 2;
        benchmark::DoNotOptimize(
            renderer.Update(GridScene(board->Game.Puzzle.Solution, MaxGridSide, MaxGridSide,
                                      PitchOf(BoardSize::Large), board->Colours, face, {}),
                            image));
    }
}
BENCHMARK(EditorFullRedrawLarge128)->Unit(benchmark::kMillisecond);

// A press on the editor's largest grid: the cell toggled, then what changed found and drawn.
void EditorClickLarge128(benchmark::State& state) {
    auto board = std::make_unique<LargestBoard>(BoardSize::Large);
    CellGrid& cells = board->Game.Puzzle.Solution;
    PixelImage image;
    BoardRenderer renderer;
    const auto scene = [&] {
        return GridScene(cells, MaxGridSide, MaxGridSide, PitchOf(BoardSize::Large), board->Colours,
                         board->Face, {});
    };
    renderer.Update(scene(), image);
    int step = 0;
    const std::size_t before = Allocations.load();
    for (auto _ : state) {
        std::uint16_t& cell = cells.At(step % 128, step / 128 % 128);
        cell = cell == 0 ? 1 : 0;
        benchmark::DoNotOptimize(renderer.Update(scene(), image));
        ++step;
    }
    ReportAllocations(state, before);
}
BENCHMARK(EditorClickLarge128)->Unit(benchmark::kMicrosecond);

// The preferences dialog's preview after a colour change, at both cell sizes.
void SchemePreviewAtCellSize(benchmark::State& state) {
    const auto size = static_cast<BoardSize>(state.range(0));
    const RasterFont face = BuiltFace(size);
    PixelImage preview;
    for (auto _ : state) {
        DrawSchemePreview(preview, DefaultScheme, PitchOf(size), face);
        benchmark::DoNotOptimize(preview.Pixels.data());
    }
}
BENCHMARK(SchemePreviewAtCellSize)
    ->Arg(static_cast<int>(BoardSize::Small))
    ->Arg(static_cast<int>(BoardSize::Large))
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
