// A 128 x 128 grid of 16-bit cells stored column by column, as the files hold it.
#pragma once

#include "model/bounds.h"

#include <array>
#include <cstdint>

// States of a player's cell. A solution cell holds 0 (empty) or 1 (filled) only.
enum class CellState : std::uint16_t { Empty = 0, Filled = 1, Excluded = 2, Marked = 3 };

constexpr std::size_t CellIndex(int x, int y) {
    return static_cast<std::size_t>(x) * MaxGridSide + static_cast<std::size_t>(y);
}

struct CellGrid {
    // Raw 16-bit values: a file may carry values outside CellState, and they are kept.
    std::array<std::uint16_t, GridCellCount> Cells{};

    std::uint16_t& At(int x, int y) { return Cells[CellIndex(x, y)]; }
    std::uint16_t At(int x, int y) const { return Cells[CellIndex(x, y)]; }
    void Set(int x, int y, CellState state) { At(x, y) = static_cast<std::uint16_t>(state); }
    void Clear() { Cells.fill(0); }

    bool operator==(const CellGrid&) const = default;
};
