// One box of the board that a press or a history record acts on.
#pragma once

#include "model/history_record.h"

// Col and Row name a grid column and row for a cell; for a row clue slot Col is the slot index,
// for a column clue slot Row is, so a target reads the same way a history record stores it.
struct BoardTarget {
    BoardArea Area = BoardArea::GridCell;
    int Col = 0;
    int Row = 0;

    bool operator==(const BoardTarget&) const = default;
};
