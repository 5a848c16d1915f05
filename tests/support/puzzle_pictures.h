// Test fixtures drawn as text: '#' a filled cell, '.' an empty one, one string per row.
#pragma once

#include "model/game_state.h"
#include "model/puzzle_record.h"

#include <string>
#include <vector>

inline PuzzleRecord PuzzleFromPicture(const std::vector<std::string>& rows) {
    PuzzleRecord record;
    record.Signature = PuzzleSignature;
    record.Height = static_cast<int>(rows.size());
    record.Width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    for (int y = 0; y < record.Height; ++y)
        for (int x = 0; x < record.Width; ++x)
            record.Solution.At(x, y) =
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
    return record;
}

inline GameState GameFromPicture(const std::vector<std::string>& rows) {
    GameState game;
    game.Puzzle = PuzzleFromPicture(rows);
    return game;
}
