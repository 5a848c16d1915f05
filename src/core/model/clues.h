// Clue tables: for every line up to 64 run lengths, each with the player's highlight state.
#pragma once

#include "model/bounds.h"

#include <array>
#include <cstdint>

// Any other stored value is drawn as Normal.
enum class ClueState : std::uint16_t { Normal = 0, Marked = 1, Finalised = 2 };

struct ClueEntry {
    std::uint16_t Value = 0; // run length; 0 means the slot holds no clue
    std::uint16_t State = 0;

    bool operator==(const ClueEntry&) const = default;
};

using ClueLine = std::array<ClueEntry, MaxCluesPerLine>;

struct ClueTable {
    std::array<ClueLine, MaxGridSide> Lines{};

    ClueLine& operator[](int line) { return Lines[static_cast<std::size_t>(line)]; }
    const ClueLine& operator[](int line) const { return Lines[static_cast<std::size_t>(line)]; }
    void Clear() { Lines = {}; }

    bool operator==(const ClueTable&) const = default;
};
