// The stored puzzle: every field of a puzzle file, reserved bytes included.
#pragma once

#include "model/cell_grid.h"
#include "model/guid.h"
#include "model/short_string.h"

#include <array>
#include <cstdint>

struct PuzzleRecord {
    Guid Signature;
    Guid PuzzleId;
    ShortString<80> Name;
    ShortString<255> Comments;
    std::array<std::uint8_t, 7> ReservedAfterComments{};
    std::int32_t Level = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    CellGrid Solution;
    ShortString<80> Creator;
    std::array<std::uint8_t, 3> ReservedAfterCreator{};
    double DateCreated = 0.0; // OLE Automation date

    bool operator==(const PuzzleRecord&) const = default;
};
