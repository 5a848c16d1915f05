// The small puzzle picture beside each row of the library's lists, as a Qt icon.
#pragma once

#include "library/glyph_picture.h"

#include <QIcon>

QIcon PuzzleGlyph(PuzzleGlyphShade shade);
