#include "model/derive_clues.h"

#include "model/game_state.h"

#include <algorithm>

namespace {

// Walks one line of the solution and stores its runs into the clue line. A cell holding neither
// 0 nor 1 neither counts nor ends a run. Returns the number of clues.
template <typename CellAt> int DeriveLine(int length, CellAt cellAt, ClueLine& clues) {
    int count = 0;
    int run = 0;
    bool open = false;
    for (int i = 0; i < length; ++i) {
        const std::uint16_t cell = cellAt(i);
        if (cell == 1) {
            ++run;
            open = true;
        } else if (cell == 0 && open) {
            clues[static_cast<std::size_t>(count++)].Value = static_cast<std::uint16_t>(run);
            run = 0;
            open = false;
        }
    }
    if (open && run > 0)
        clues[static_cast<std::size_t>(count++)].Value = static_cast<std::uint16_t>(run);
    return count;
}

} // namespace

void DeriveClues(GameState& game) {
    const int width = std::clamp(game.Puzzle.Width, 0, MaxGridSide);
    const int height = std::clamp(game.Puzzle.Height, 0, MaxGridSide);
    const CellGrid& solution = game.Puzzle.Solution;
    game.RowClueSlots = 0;
    game.ColumnClueSlots = 0;

    // Rows are derived before columns, each excluding its own cells when it has no clue.
    for (int y = 0; y < height; ++y) {
        const int count = DeriveLine(
            width, [&](int x) { return solution.At(x, y); }, game.RowClues[y]);
        game.RowClueSlots = std::max(game.RowClueSlots, count);
        if (count == 0)
            for (int x = 0; x < width; ++x)
                game.PlayerGrid.Set(x, y, CellState::Excluded);
    }
    for (int x = 0; x < width; ++x) {
        const int count = DeriveLine(
            height, [&](int y) { return solution.At(x, y); }, game.ColumnClues[x]);
        game.ColumnClueSlots = std::max(game.ColumnClueSlots, count);
        if (count == 0)
            for (int y = 0; y < height; ++y)
                game.PlayerGrid.Set(x, y, CellState::Excluded);
    }
}
