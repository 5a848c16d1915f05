// The play of one game: the puzzle, the player's grid and clues, the clock and the history.
#pragma once

#include "model/clues.h"
#include "model/history_record.h"
#include "model/puzzle_record.h"

#include <array>
#include <cstdint>
#include <vector>

struct GameState {
    PuzzleRecord Puzzle;
    CellGrid PlayerGrid;
    std::array<std::uint8_t, 8> Reserved{}; // carried through saved games without meaning
    ClueTable RowClues;                     // RowClues[y]: row y's runs from the left
    ClueTable ColumnClues;                  // ColumnClues[x]: column x's runs from the top
    std::int32_t RowClueSlots = 0;          // most clues in any row
    std::int32_t ColumnClueSlots = 0;       // most clues in any column
    std::int32_t ElapsedSeconds = 0;
    std::vector<HistoryRecord> History;
    std::int32_t HistoryIndex = -1; // the record undo would revert; -1 when there is none

    // Both clue tables and the player's grid back to zero bytes, as a new game starts.
    void ClearPlayState();
};
