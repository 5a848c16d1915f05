// What the puzzle editor takes from the main window each time it opens.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"

#include <filesystem>

struct EditorSettings {
    CellPitch Pitch;
    ColourSet Colours;
    std::filesystem::path PuzzleFolder;
    std::filesystem::path ProgramFolder;
};
