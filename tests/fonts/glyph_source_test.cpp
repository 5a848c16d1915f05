// Glyph sources: how one reads and what it refuses.
#include "fonts/glyph_source.h"
#include "fonts/sample_raster_font.h"

#include <gtest/gtest.h>

namespace {

std::string Rows(const RasterFont& font, const RasterFont::Glyph& glyph) {
    std::string rows;
    for (int y = 0; y < font.PixelHeight; ++y) {
        for (int x = 0; x < glyph.Width; ++x)
            rows += glyph.Ink(x, y) ? '#' : '.';
        rows += '/';
    }
    return rows;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(GlyphSource, ReadsHeaderAndGlyphRows) {
    const RasterFont font = SampleRasterFont();
    EXPECT_EQ(font.FaceName, "Test Face");
    EXPECT_EQ(font.Points, 5);
    EXPECT_EQ(font.Weight, 700);
    EXPECT_EQ(font.PixelHeight, 3);
    EXPECT_EQ(font.Ascent, 2);
    EXPECT_EQ(font.FirstChar, 'a');
    EXPECT_EQ(font.LastChar, 'c');
    EXPECT_EQ(font.DefaultChar, 'c');
    ASSERT_EQ(font.Glyphs.size(), 3u);
    EXPECT_EQ(Rows(font, font.Glyphs[0]), "#./.#/##/");
    EXPECT_EQ(Rows(font, font.Glyphs[2]), "#.......#./........##/.#.......#/");
    // 'b' is not drawn, so it shows what the default char does.
    EXPECT_EQ(font.Glyphs[1], font.Glyphs[2]);
}

TEST(GlyphSource, WindowsLineEndsReadAlike) {
    std::string crlf;
    for (char c : SampleGlyphSource)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string error;
    EXPECT_EQ(ParseGlyphSource(crlf, error), SampleRasterFont()) << error;
}

TEST(GlyphSource, RefusesMalformedSourcesSayingWhere) {
    const std::string valid(SampleGlyphSource);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Replaced(valid, "face: Test Face\n", ""), "header"},
        {Replaced(valid, "ascent: 2", "ascent: 4"), "header"},
        {Replaced(valid, "points: 5", "points: 5pt"), "header"},
        {Replaced(valid, "default: c", "default: b"), "default"},
        {Replaced(valid, "glyph a\n#.\n", "glyph a\n"), "line 9"},
        {Replaced(valid, ".#\n##", ".#\n###"), "line 9"},
        {Replaced(valid, "glyph c", "glyph a"), "line 14"},
        {Replaced(valid, "glyph c", "glyph cc"), "line 14"},
        {Replaced(valid, "\nglyph c", "weight: 400\nglyph c"), "line 13"},
        {Replaced(valid, "#.\n.#", "#.\n\n.#"), "line 12"},
    };
    for (const auto& [text, where] : cases) {
        std::string error;
        EXPECT_FALSE(ParseGlyphSource(text, error)) << text;
        EXPECT_NE(error.find(where), std::string::npos) << error << " should mention " << where;
    }
}
