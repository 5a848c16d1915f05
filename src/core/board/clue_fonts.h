// The two raster faces that draw the clue numbers, and the files beside the program that hold them.
#pragma once

#include "board/board_geometry.h"

#include <array>
#include <string_view>

struct ClueFont {
    std::string_view FileName;
    std::string_view FaceName;
};

inline constexpr std::array<ClueFont, 2> ClueFonts = {{
    {"qvsmall.fnt", "Quorvane Small"},
    {"qvmedium.fnt", "Quorvane Medium"},
}};

// Clues are drawn at 5 points, bold, in the face of the board's size.
inline constexpr int CluePointSize = 5;

constexpr const ClueFont& ClueFontFor(BoardSize size) {
    return ClueFonts[size == BoardSize::Small ? 0 : 1];
}
