// Where the framed prompt that stands in for a hidden board lies in the client area: both
// programs draw it here, each with its own text and icon.
#pragma once

#include "base/pixel_rect.h"

struct PromptLayout {
    PixelRect Panel; // filled in the button face colour, with a 2-pixel raised frame inside
    int TextLeft;
    int TextTop; // the top of the text's line, its ascent above the baseline
    int IconLeft;
    int IconTop; // the 32 × 32 program icon
};

// The panel is centred on a client area clientWidth × clientHeight around text of the given
// size, with room for the icon on its left.
PromptLayout PromptLayoutFor(int clientWidth, int clientHeight, int textWidth, int textHeight);

// The prompt's text is Arial at 12 points.
inline constexpr int PromptPoints = 12;
