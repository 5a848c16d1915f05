// The complete line solver: every cell that all arrangements of a line's runs agree on.
#pragma once

#include <cstdint>
#include <span>

enum class LineCell : std::uint8_t { Unknown = 0, Empty = 1, Filled = 2 };

// Narrows the known cells to what every arrangement of the runs that fits them agrees on, by
// dynamic programming over the runs (never by listing the arrangements). False, with the cells
// unspecified, when no arrangement fits. Runs of 0 are absent, so {0} is the clue of an empty line
// like {}; a negative run fits nothing.
bool SolveLine(std::span<const int> runs, std::span<LineCell> cells);
