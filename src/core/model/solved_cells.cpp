#include "model/solved_cells.h"

#include "model/game_state.h"

#include <algorithm>

bool GridMatchesSolution(const GameState& game) {
    const int width = std::clamp(game.Puzzle.Width, 0, MaxGridSide);
    const int height = std::clamp(game.Puzzle.Height, 0, MaxGridSide);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (!CellIsRight(game.PlayerGrid.At(x, y), game.Puzzle.Solution.At(x, y)))
                return false;
    return true;
}
