// The editor's grid: the board without clue areas, at the same client point, with the same cell
// pitch, rules, cell interiors, repaint rectangles and hit test.
#pragma once

#include "board/board_geometry.h"
#include "model/puzzle_record.h"

#include <algorithm>

inline BoardGeometry EditorGridGeometry(const PuzzleRecord& puzzle, CellPitch pitch) {
    return BoardGeometry(std::clamp(puzzle.Width, 0, MaxGridSide),
                         std::clamp(puzzle.Height, 0, MaxGridSide), 0, 0, pitch);
}
