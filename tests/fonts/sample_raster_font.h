// A small font for the raster font tests: a glyph two byte columns wide, a gap the default glyph
// fills, and a default char that is not the first.
#pragma once

#include "fonts/glyph_source.h"

#include <string_view>

inline constexpr std::string_view SampleGlyphSource = R"(; A test face.
face: Test Face
points: 5
weight: 700
height: 3
ascent: 2
default: c

glyph a
#.
.#
##

glyph c
#.......#.
........##
.#.......#
)";

inline RasterFont SampleRasterFont() {
    std::string error;
    return ParseGlyphSource(SampleGlyphSource, error).value();
}
