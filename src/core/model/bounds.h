// Fixed storage sizes shared by every grid and clue table, whatever the puzzle's size.
#pragma once

#include <cstddef>

constexpr int MaxGridSide = 128;
constexpr int MaxCluesPerLine = 64;
constexpr std::size_t GridCellCount = std::size_t{MaxGridSide} * MaxGridSide;

// Width and Height of a playable puzzle lie in 1..MaxGridSide.
constexpr bool IsValidGridSide(int side) {
    return side >= 1 && side <= MaxGridSide;
}
