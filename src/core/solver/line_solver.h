// The complete line solver: every cell that all arrangements of a line's runs agree on.
#pragma once

#include "solver/line_bits.h"

#include <cstdint>
#include <span>

enum class LineCell : std::uint8_t { Unknown = 0, Empty = 1, Filled = 2 };

// The known cells of one line; a cell is in at most one of the two sets.
struct LineState {
    LineBits Filled = 0;
    LineBits Empty = 0;

    bool operator==(const LineState&) const = default;
};

// Narrows the known cells of a line of `length` (0..128) cells to what every arrangement of the
// runs that fits them agrees on. The runs must all be positive. False, with the line unspecified,
// when no arrangement fits. Works on whole bit sets, a few dozen word operations per run, and
// never lists arrangements.
bool SolveLineBits(std::span<const int> runs, int length, LineState& line);

// Whether some arrangement of the runs fits the known cells, from one sweep of the line: a third
// of the work of solving it.
bool LineFits(std::span<const int> runs, int length, const LineState& line);

// The same over cells: runs of 0 are absent, so {0} is the clue of an empty line like {}; a
// negative run fits nothing, and neither does a line longer than 128 cells.
bool SolveLine(std::span<const int> runs, std::span<LineCell> cells);
