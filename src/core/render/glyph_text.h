// Board text drawn from a raster font's own pixels: numbers and the "?" of a marked cell.
#pragma once

#include "fonts/raster_font.h"
#include "render/pixel_image.h"

#include <string_view>

struct TextSize {
    int Width = 0;
    int Height = 0;
};

// The pixel size of the text's box: the glyphs' widths side by side, the face's height.
TextSize MeasureText(const RasterFont& face, std::string_view text);

// Draws opaquely: the text's box at (left, top) is filled with the background, then the glyphs'
// ink in the ink colour. Whatever falls outside the image, or outside the clip, is left out.
void DrawText(PixelImage& image, int left, int top, const RasterFont& face, std::string_view text,
              Pixel ink, Pixel background);
void DrawText(PixelImage& image, int left, int top, const RasterFont& face, std::string_view text,
              Pixel ink, Pixel background, const PixelRect& clip);
