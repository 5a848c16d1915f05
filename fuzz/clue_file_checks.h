// What every clue reader promises of the clues it takes, whatever the format.
#pragma once

#include "clue_file.h"
#include "fuzz_check.h"
#include "model/bounds.h"

#include <cstddef>

inline void RequireCluesFitTheirGrid(const NonogramClues& clues) {
    Require(IsValidGridSide(clues.Width) && IsValidGridSide(clues.Height) &&
                clues.Rows.size() == static_cast<std::size_t>(clues.Height) &&
                clues.Columns.size() == static_cast<std::size_t>(clues.Width),
            "one clue line for each row and column of a valid size");
    Require(OverlongClueLine(clues).empty(), "every line's runs fit in it");
}
