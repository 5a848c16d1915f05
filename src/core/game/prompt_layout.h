// Where the framed prompt that stands in for a hidden board lies in the client area, and how its
// frame is coloured: both programs draw it so, each with its own text and icon.
#pragma once

#include "appearance/colour_scheme.h"
#include "base/pixel_rect.h"
#include "board/display_scale.h"

#include <vector>

struct PromptLayout {
    PixelRect Panel; // filled in the button face colour, with PromptFrameStrips inside its edge
    int TextLeft;
    int TextTop; // the top of the text's line, its ascent above the baseline
    int IconLeft;
    int IconTop; // the 32 × 32 program icon, at 96 dots per inch
    int IconSize;
};

// The panel is centred on a client area clientWidth × clientHeight around text of the given
// size, with room for the icon on its left; its room and the icon grow with the display's scale.
PromptLayout PromptLayoutFor(int clientWidth, int clientHeight, int textWidth, int textHeight,
                             const DisplayScale& scale = DisplayScale());

// The prompt's text is Arial at 12 points.
inline constexpr int PromptPoints = 12;

// The panel's raised frame lies along the inside of its edge, this many pixels wide, so what is
// left of the face is the panel inset by as much on each side.
inline constexpr int PromptFrameWidth = 2;
inline constexpr ColourValue PromptFrameLight = RgbColour(255, 255, 255);
inline constexpr ColourValue PromptFrameShadow = RgbColour(128, 128, 128);

struct PromptFrameStrip {
    PixelRect Area;
    ColourValue Colour;
};

// The frame as strips that do not overlap: in each of its rings the top and left edges light,
// the bottom and right edges shadow, the shadow taking the two corners where light and shadow
// meet. Filling them in any order draws the frame.
// The frame is `width` rings deep (PromptFrameWidth at 96 dots per inch).
std::vector<PromptFrameStrip> PromptFrameStrips(const PixelRect& panel,
                                                int width = PromptFrameWidth);
