// The band down the left edge of the main window's and the editor's drop-down menus, with the
// window's name running up it in white bold text.
#pragma once

#include "appearance/colour_scheme.h"

inline constexpr int MenuBannerWidth = 20;
inline constexpr int MenuBannerTextPixels = 13;
// Dark at the foot, where the text begins, a little lighter at the head (Windows colour values).
inline constexpr ColourValue MenuBannerFoot = 0x3C1C10;
inline constexpr ColourValue MenuBannerHead = 0x78442A;
