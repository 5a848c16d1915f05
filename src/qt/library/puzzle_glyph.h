// The small puzzle picture beside each row of the library's lists.
#pragma once

#include <QIcon>

// Colour marks a puzzle still to solve; grey marks a solved one.
enum class PuzzleGlyphShade { Colour, Grey };

// A 16 x 16 icon: a three-by-three grid of cells, a few of them filled, on a yellow or grey card.
QIcon PuzzleGlyph(PuzzleGlyphShade shade);
