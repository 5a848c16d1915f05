// The editor's grid: the board without clue areas, at the same client point, with the same cell
// pitch, rules, cell interiors, repaint rectangles and hit test.
#pragma once

#include "board/board_geometry.h"
#include "editor/puzzle_check.h"
#include "model/puzzle_record.h"

#include <algorithm>
#include <vector>

inline BoardGeometry EditorGridGeometry(const PuzzleRecord& puzzle, CellPitch pitch) {
    return BoardGeometry(std::clamp(puzzle.Width, 0, MaxGridSide),
                         std::clamp(puzzle.Height, 0, MaxGridSide), 0, 0, pitch);
}

// The box of the first cell a check outlined, which the editor brings into sight; empty when
// nothing is outlined.
inline PixelRect FirstOutlineBox(const PuzzleRecord& puzzle, CellPitch pitch,
                                 const std::vector<CellPos>& outlined) {
    if (outlined.empty())
        return {};
    return EditorGridGeometry(puzzle, pitch)
        .BoxOf({BoardArea::GridCell, outlined.front().Col, outlined.front().Row});
}
