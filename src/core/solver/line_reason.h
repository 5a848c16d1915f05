// Why the line solver reached a conclusion: the fewest known cells of a line it needs for it.
#pragma once

#include "solver/line_solver.h"

#include <span>

// A conclusion of the line solver about one line: that the cell at `Position` must be `Value`,
// or, with Position -1, that no arrangement of the runs fits.
struct LineConclusion {
    int Position = -1;
    LineCell Value = LineCell::Unknown;
};

// Whether the line solver reaches the conclusion from these known cells.
bool LineConcludes(std::span<const int> runs, int length, const LineState& known,
                   LineConclusion conclusion);

// Drops the known cells at the given positions in turn, each for good when the line solver
// still reaches the conclusion without it, and returns what is left. The known cells must reach
// the conclusion; so does what is returned, and since the solver only learns more from more known
// cells, no single cell left can be dropped from it.
LineState ShrinkLineReason(std::span<const int> runs, int length, LineState known,
                           std::span<const int> dropOrder, LineConclusion conclusion);
