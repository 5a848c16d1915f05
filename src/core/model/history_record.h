// One undoable change on the board, as the history and the saved game hold it.
#pragma once

#include <cstdint>

// What a board target names: a grid cell, a row clue slot or a column clue slot.
enum class BoardArea : std::int32_t { GridCell = 0, RowClueSlot = 1, ColumnClueSlot = 2 };

struct HistoryRecord {
    std::int32_t Area = 0; // a BoardArea; kept raw as stored
    std::int32_t Col = 0;  // grid column, or the slot index of a row clue
    std::int32_t Row = 0;  // grid row, or the slot index of a column clue
    std::int32_t OldValue = 0;
    std::int32_t NewValue = 0;

    bool operator==(const HistoryRecord&) const = default;
};
