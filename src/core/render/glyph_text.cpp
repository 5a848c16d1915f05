// Board text glyph by glyph from a raster font's pixels.
#include "render/glyph_text.h"

#include <algorithm>

namespace {

const RasterFont::Glyph& GlyphOf(const RasterFont& face, char character) {
    return face.Glyphs[face.GlyphIndex(static_cast<unsigned char>(character))];
}

} // namespace

TextSize MeasureText(const RasterFont& face, std::string_view text) {
    TextSize size{0, face.PixelHeight};
    for (const char character : text)
        size.Width += GlyphOf(face, character).Width;
    return size;
}

void DrawText(PixelImage& image, int left, int top, const RasterFont& face, std::string_view text,
              Pixel ink, Pixel background) {
    DrawText(image, left, top, face, text, ink, background, {0, 0, image.Width, image.Height});
}

void DrawText(PixelImage& image, int left, int top, const RasterFont& face, std::string_view text,
              Pixel ink, Pixel background, const PixelRect& clip) {
    const PixelRect within{std::max(clip.Left, 0), std::max(clip.Top, 0),
                           std::min(clip.Right, image.Width), std::min(clip.Bottom, image.Height)};
    const TextSize size = MeasureText(face, text);
    image.Fill({std::max(left, within.Left), std::max(top, within.Top),
                std::min(left + size.Width, within.Right),
                std::min(top + size.Height, within.Bottom)},
               background);
    const int firstRow = std::max(0, within.Top - top);
    const int lastRow = std::min(size.Height, within.Bottom - top);
    int x = left;
    for (const char character : text) {
        const RasterFont::Glyph& glyph = GlyphOf(face, character);
        const int firstColumn = std::max(0, within.Left - x);
        const int lastColumn = std::min(glyph.Width, within.Right - x);
        for (int row = firstRow; row < lastRow; ++row) {
            Pixel* line = image.Row(top + row) + x;
            const std::uint8_t* bits = glyph.Pixels.data() + row * glyph.Width;
            for (int column = firstColumn; column < lastColumn; ++column)
                if (bits[column] != 0)
                    line[column] = ink;
        }
        x += glyph.Width;
    }
}
