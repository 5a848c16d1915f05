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
    const TextSize size = MeasureText(face, text);
    image.Fill({left, top, left + size.Width, top + size.Height}, background);
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min(size.Height, image.Height - top);
    int x = left;
    for (const char character : text) {
        const RasterFont::Glyph& glyph = GlyphOf(face, character);
        const int firstColumn = std::max(0, -x);
        const int lastColumn = std::min(glyph.Width, image.Width - x);
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
