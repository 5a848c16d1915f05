// The raster font reader: a font it takes is consistent (every code draws a glyph of the font's
// height) and writes out as a file that reads back to the same font and the same bytes.
#include "fuzz_check.h"
#include "fonts/raster_font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<RasterFont> font = ParseRasterFont({data, size});
    if (!font)
        return 0;
    Require(font->FirstChar <= font->DefaultChar && font->DefaultChar <= font->LastChar &&
                font->Glyphs.size() ==
                    static_cast<std::size_t>(font->LastChar - font->FirstChar + 1),
            "one glyph for each code of the range, the default among them");
    for (const RasterFont::Glyph& glyph : font->Glyphs)
        Require(glyph.Width >= 0 &&
                    glyph.Pixels.size() == static_cast<std::size_t>(glyph.Width) *
                                               static_cast<std::size_t>(font->PixelHeight),
                "each glyph has its width times the font's height of pixels");
    for (int code = 0; code < 256; ++code)
        Require(font->GlyphIndex(code) < font->Glyphs.size(), "every code draws a glyph");

    const std::vector<std::uint8_t> written = RasterFontBytes(*font);
    const std::optional<RasterFont> again = ParseRasterFont(written);
    Require(again && *again == *font, "a written font reads back the same");
    Require(RasterFontBytes(*again) == written, "the font writes out the same bytes again");
    return 0;
}
