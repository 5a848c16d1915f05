// The preferences dialog as the main window uses it.
#pragma once

#include "appearance/appearance_choice.h"
#include "board/board_geometry.h"

class AppearanceChooser {
public:
    virtual ~AppearanceChooser() = default;
    // Shows the dialog modally on the board's colours, previewed at the board's cell size. OK
    // gives the colours shown and, for a stored scheme, its name, which ColorSet then holds;
    // Cancel gives back what it was given.
    virtual AppearanceChoice Choose(const AppearanceChoice& current, CellPitch pitch) = 0;
};
