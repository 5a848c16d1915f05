// How long the board takes to draw: a full rebuild of the largest puzzle, and one box after a
// press.
#include "board/board_action.h"
#include "board/board_renderer.h"
#include "board/clue_fonts.h"
#include "model/derive_clues.h"
#include "model/game_state.h"
#include "model/solved_cells.h"
#include "platform/raster_font_library.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

struct LargestBoard {
    GameState Game;
    RasterFontLibrary Fonts;
    std::shared_ptr<const TextFace> Face;

    explicit LargestBoard(BoardSize size) {
        Game.Puzzle.Width = MaxGridSide;
        Game.Puzzle.Height = MaxGridSide;
        std::mt19937 random(11);
        for (std::uint16_t& cell : Game.Puzzle.Solution.Cells)
            cell = random() % 3 == 0;
        DeriveClues(Game);
        for (std::uint16_t& cell : Game.PlayerGrid.Cells)
            cell = static_cast<std::uint16_t>(random() % 4);
        for (const ClueFont& font : ClueFonts)
            Fonts.AddFontFile(std::filesystem::path(QUORVANE_PROGRAM_DIR) / font.FileName);
        Face = Fonts.Face(QString::fromLatin1(ClueFontFor(size).FaceName), CluePointSize, true);
    }
};

void FullRebuildLargest(benchmark::State& state) {
    const auto size = static_cast<BoardSize>(state.range(0));
    LargestBoard board(size);
    const BoardGeometry geometry = BoardGeometry::Of(board.Game, size);
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawBoard({board.Game, geometry, DefaultScheme, *board.Face}));
}
BENCHMARK(FullRebuildLargest)
    ->Arg(static_cast<int>(BoardSize::Small))
    ->Arg(static_cast<int>(BoardSize::Large))
    ->Unit(benchmark::kMillisecond);

void OneBoxRedraw(benchmark::State& state) {
    LargestBoard board(BoardSize::Large);
    const BoardGeometry geometry = BoardGeometry::Of(board.Game, BoardSize::Large);
    QImage bitmap = DrawBoard({board.Game, geometry, DefaultScheme, *board.Face});
    int step = 0;
    for (auto _ : state) {
        const BoardTarget target =
            step % 2 == 0 ? BoardTarget{BoardArea::GridCell, step % 128, step / 128 % 128}
                          : BoardTarget{BoardArea::RowClueSlot, 0, step % 128};
        board.Game.PlayerGrid.At(step % 128, step / 128 % 128) =
            static_cast<std::uint16_t>(step % 4);
        RedrawBox(bitmap, {board.Game, geometry, DefaultScheme, *board.Face}, target);
        ++step;
    }
}
BENCHMARK(OneBoxRedraw)->Unit(benchmark::kMicrosecond);

// Everything a press costs: the action with its record, the box redraw and the solved test.
void WholeClick(benchmark::State& state) {
    LargestBoard board(BoardSize::Large);
    const BoardGeometry geometry = BoardGeometry::Of(board.Game, BoardSize::Large);
    QImage bitmap = DrawBoard({board.Game, geometry, DefaultScheme, *board.Face});
    int step = 0;
    for (auto _ : state) {
        const BoardTarget target{BoardArea::GridCell, step % 128, step / 128 % 128};
        const auto change = PressBox(board.Game, target, ButtonKind::Left);
        RedrawBox(bitmap, {board.Game, geometry, DefaultScheme, *board.Face}, change->Target);
        benchmark::DoNotOptimize(GridMatchesSolution(board.Game));
        ++step;
    }
}
BENCHMARK(WholeClick)->Unit(benchmark::kMicrosecond);

} // namespace
