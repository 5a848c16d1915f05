// The rule by which the player's grid counts as the stored solution.
#pragma once

#include <cstdint>

struct GameState;

// A cell is right when it equals the solution, or when the solution is empty and the player
// excluded or marked it.
constexpr bool CellIsRight(std::uint16_t playerCell, std::uint16_t solutionCell) {
    return playerCell == solutionCell ||
           (solutionCell == 0 && (playerCell == 2 || playerCell == 3));
}

// Every cell of the puzzle's Width x Height is right.
bool GridMatchesSolution(const GameState& game);
