// The library's puzzle glyphs as a list view's image list.
#pragma once

#include "library/glyph_picture.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, whose types it needs.
#include <commctrl.h>
#include <initializer_list>

// An image list of 16 x 16 glyphs in the shades given, index by index; the caller, or the list
// view it is given to, destroys it.
HIMAGELIST PuzzleGlyphs(std::initializer_list<PuzzleGlyphShade> shades);
