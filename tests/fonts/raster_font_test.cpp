// Raster font files: what the writer puts where, what the reader refuses, and the way between.
#include "fonts/raster_font.h"
#include "fonts/sample_raster_font.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
    return value;
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void PutDword(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    PutWord(bytes, at, value & 0xFFFF);
    PutWord(bytes, at + 2, value >> 16);
}

} // namespace

TEST(RasterFontFile, WriteThenParseGivesTheSameFont) {
    const RasterFont font = SampleRasterFont();
    EXPECT_EQ(ParseRasterFont(RasterFontBytes(font)), font);
}

TEST(RasterFontFile, HeaderFieldsSitAtTheirOffsets) {
    const std::vector<std::uint8_t> bytes = RasterFontBytes(SampleRasterFont());
    EXPECT_EQ(LittleEndian(bytes, 0, 2), 0x0300u);        // dfVersion
    EXPECT_EQ(LittleEndian(bytes, 2, 4), bytes.size());   // dfSize
    EXPECT_EQ(LittleEndian(bytes, 66, 2), 0u);            // dfType: raster
    EXPECT_EQ(LittleEndian(bytes, 68, 2), 5u);            // dfPoints
    EXPECT_EQ(LittleEndian(bytes, 70, 2), 96u);           // dfVertRes
    EXPECT_EQ(LittleEndian(bytes, 72, 2), 96u);           // dfHorizRes
    EXPECT_EQ(LittleEndian(bytes, 74, 2), 2u);            // dfAscent
    EXPECT_EQ(LittleEndian(bytes, 83, 2), 700u);          // dfWeight
    EXPECT_EQ(LittleEndian(bytes, 86, 2), 0u);            // dfPixWidth: variable
    EXPECT_EQ(LittleEndian(bytes, 88, 2), 3u);            // dfPixHeight
    EXPECT_EQ(LittleEndian(bytes, 93, 2), 10u);           // dfMaxWidth
    EXPECT_EQ(bytes.at(95), 'a');                         // dfFirstChar
    EXPECT_EQ(bytes.at(96), 'c');                         // dfLastChar
    EXPECT_EQ(bytes.at(97), 2);                           // dfDefaultChar, from dfFirstChar
    EXPECT_EQ(LittleEndian(bytes, 113, 4), 148u + 4 * 6); // dfBitsOffset: past the table

    const std::size_t face = LittleEndian(bytes, 105, 4);
    ASSERT_LT(face, bytes.size());
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes.data() + face), "Test Face");
}

TEST(RasterFontFile, GlyphTableAndColumnsHoldEachGlyph) {
    const std::vector<std::uint8_t> bytes = RasterFontBytes(SampleRasterFont());
    // Entries of a width word and an offset double word: 'a', 'b' (the default's), 'c', closing.
    const std::vector<std::uint32_t> widths = {2, 10, 10};
    for (std::size_t i = 0; i < widths.size(); ++i)
        EXPECT_EQ(LittleEndian(bytes, 148 + i * 6, 2), widths[i]) << "entry " << i;
    const std::size_t a = LittleEndian(bytes, 148 + 2, 4);
    const std::size_t c = LittleEndian(bytes, 148 + 2 * 6 + 2, 4);
    EXPECT_EQ(a, 172u);
    EXPECT_EQ(LittleEndian(bytes, 148 + 3 * 6 + 2, 4), c + 6); // the closing entry

    // Rows "#.", ".#", "##": one column, leftmost pixel in the high bit.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + a, bytes.begin() + a + 3),
              (std::vector<std::uint8_t>{0x80, 0x40, 0xC0}));
    // Ten pixels wide: the first eight columns of every row, then the last two.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + c, bytes.begin() + c + 6),
              (std::vector<std::uint8_t>{0x80, 0x00, 0x40, 0x80, 0xC0, 0x40}));
}

TEST(RasterFontFile, ParserRefusesInconsistentFiles) {
    using Mutation = std::function<void(std::vector<std::uint8_t>&)>;
    const std::vector<std::pair<const char*, Mutation>> cases = {
        {"version 2.0", [](auto& b) { PutWord(b, 0, 0x0200); }},
        {"size field larger than the file", [](auto& b) { PutDword(b, 2, b.size() + 1); }},
        {"one byte cut off", [](auto& b) { b.pop_back(); }},
        {"vector font", [](auto& b) { PutWord(b, 66, 1); }},
        {"no pixel rows", [](auto& b) { PutWord(b, 88, 0); }},
        {"absurd height", [](auto& b) { PutWord(b, 88, 0xFFFF); }},
        {"ascent below the box", [](auto& b) { PutWord(b, 74, 4); }},
        {"first char after last", [](auto& b) { b[95] = 'd'; }},
        {"default char past last", [](auto& b) { b[97] = 3; }},
        {"table past the end", [](auto& b) { b[96] = 0xFF; }},
        {"fixed pitch but widths differ", [](auto& b) { PutWord(b, 86, 2); }},
        {"glyph too wide for its bits", [](auto& b) { PutWord(b, 148, 0xFFFF); }},
        {"glyph bits past the end", [](auto& b) { PutDword(b, 150, b.size() - 2); }},
        {"glyph bits in the header", [](auto& b) { PutDword(b, 150, 100); }},
        {"bits offset past the end", [](auto& b) { PutDword(b, 113, b.size() + 1); }},
        {"face name past the end", [](auto& b) { PutDword(b, 105, b.size()); }},
        {"face name unterminated", [](auto& b) { b.back() = 'x'; }},
        {"face name empty", [](auto& b) { PutDword(b, 105, b.size() - 1); }},
    };
    const std::vector<std::uint8_t> valid = RasterFontBytes(SampleRasterFont());
    ASSERT_TRUE(ParseRasterFont(valid));
    for (const auto& [name, mutate] : cases) {
        std::vector<std::uint8_t> bytes = valid;
        mutate(bytes);
        EXPECT_FALSE(ParseRasterFont(bytes)) << name;
    }
}

TEST(RasterFontFile, CodesOutsideTheFontTakeTheDefaultGlyph) {
    const RasterFont font = SampleRasterFont();
    EXPECT_EQ(font.GlyphIndex('a'), 0u);
    EXPECT_EQ(font.GlyphIndex('c'), 2u);
    EXPECT_EQ(font.GlyphIndex('`'), 2u);
    EXPECT_EQ(font.GlyphIndex('d'), 2u);
    EXPECT_EQ(font.GlyphIndex(0x263A), 2u);
}
