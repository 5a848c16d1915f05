// The small puzzle picture beside each row of the library's lists, drawn for either front end.
#pragma once

#include "render/pixel_image.h"

// Colour marks a puzzle still to solve; grey marks a solved one.
enum class PuzzleGlyphShade { Colour, Grey };

constexpr int PuzzleGlyphSide = 16;

// A three-by-three grid of cells, a few of them filled, on a yellow or grey card; every pixel is
// opaque.
PixelImage PuzzleGlyphPicture(PuzzleGlyphShade shade);
