// The text our raster faces are drawn in: header lines, then each glyph as rows of '#' and '.'.
#pragma once

#include "fonts/raster_font.h"

#include <optional>
#include <string>
#include <string_view>

// Reads a glyph source:
//   ; a comment line
//   face: Quorvane Small       (also points, weight, height, ascent and default, a drawn char)
//   glyph 7                    (then exactly `height` rows of equal width: '#' ink, '.' not)
// Codes between the drawn glyphs that have no drawing of their own take the default glyph. On
// refusal the reason, with its line number, is put in `error`.
std::optional<RasterFont> ParseGlyphSource(std::string_view text, std::string& error);
