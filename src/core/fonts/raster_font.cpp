// Reading and writing Windows raster font files, version 3.0.
#include "fonts/raster_font.h"

#include "base/byte_layout.h"

#include <algorithm>

namespace {

// Byte offsets of the header fields the program reads or writes.
namespace Field {
constexpr std::size_t Version = 0;
constexpr std::size_t Size = 2;
constexpr std::size_t Type = 66;
constexpr std::size_t Points = 68;
constexpr std::size_t VertRes = 70;
constexpr std::size_t HorizRes = 72;
constexpr std::size_t Ascent = 74;
constexpr std::size_t Weight = 83;
constexpr std::size_t PixWidth = 86;
constexpr std::size_t PixHeight = 88;
constexpr std::size_t PitchAndFamily = 90;
constexpr std::size_t AvgWidth = 91;
constexpr std::size_t MaxWidth = 93;
constexpr std::size_t FirstChar = 95;
constexpr std::size_t LastChar = 96;
constexpr std::size_t DefaultChar = 97;
constexpr std::size_t BreakChar = 98;
constexpr std::size_t WidthBytes = 99;
constexpr std::size_t Face = 105;
constexpr std::size_t BitsOffset = 113;
constexpr std::size_t Flags = 118;
} // namespace Field

constexpr std::size_t HeaderSize = 148;
constexpr std::size_t GlyphEntrySize = 6; // A width word and a bitmap offset double word.
constexpr std::uint16_t Version3 = 0x0300;
constexpr std::uint16_t VectorType = 0x0001;
constexpr std::uint16_t Dpi = 96;
constexpr std::uint8_t VariablePitchSwiss = 0x21;
constexpr std::uint32_t ProportionalOneColour = 0x0012;

// Raster faces are a few dozen pixels at most; these bounds keep a hostile file from making the
// reader allocate more than a few megabytes, however its glyphs overlap.
constexpr int MaxPixelHeight = 256;
constexpr int MaxGlyphWidth = 256;

std::size_t ColumnBytes(int width) {
    return static_cast<std::size_t>(width + 7) / 8;
}

std::size_t BitmapSize(int width, int height) {
    return ColumnBytes(width) * static_cast<std::size_t>(height);
}

// Bitmaps are stored a column of 8 pixels at a time, every row of the column before the next
// column, with the leftmost pixel in the high bit.
std::size_t PixelByte(int x, int y, int height) {
    return static_cast<std::size_t>(x / 8) * static_cast<std::size_t>(height) +
           static_cast<std::size_t>(y);
}

std::uint8_t PixelBit(int x) {
    return static_cast<std::uint8_t>(0x80 >> (x % 8));
}

std::optional<RasterFont::Glyph> ReadGlyph(std::span<const std::uint8_t> bytes, std::size_t entry,
                                           std::size_t tableEnd, int height, int pixWidth) {
    using ByteLayout::Get;
    RasterFont::Glyph glyph;
    glyph.Width = Get<std::uint16_t>(bytes, entry);
    const std::size_t offset = Get<std::uint32_t>(bytes, entry + 2);
    if (glyph.Width > MaxGlyphWidth || (pixWidth != 0 && glyph.Width != pixWidth))
        return std::nullopt;
    if (offset < tableEnd || offset > bytes.size() ||
        bytes.size() - offset < BitmapSize(glyph.Width, height))
        return std::nullopt;
    glyph.Pixels.resize(static_cast<std::size_t>(glyph.Width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < glyph.Width; ++x)
            glyph.Pixels[static_cast<std::size_t>(y * glyph.Width + x)] =
                (bytes[offset + PixelByte(x, y, height)] & PixelBit(x)) != 0 ? 1 : 0;
    return glyph;
}

std::optional<std::string> ReadFaceName(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (offset >= bytes.size())
        return std::nullopt;
    const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto end = std::find(begin, bytes.end(), std::uint8_t{0});
    if (end == bytes.end() || end == begin)
        return std::nullopt;
    return std::string(begin, end);
}

} // namespace

std::size_t RasterFont::GlyphIndex(int code) const {
    return static_cast<std::size_t>((code >= FirstChar && code <= LastChar ? code : DefaultChar) -
                                    FirstChar);
}

std::optional<RasterFont> ParseRasterFont(std::span<const std::uint8_t> bytes) {
    using ByteLayout::Get;
    if (bytes.size() < HeaderSize || Get<std::uint16_t>(bytes, Field::Version) != Version3 ||
        Get<std::uint32_t>(bytes, Field::Size) != bytes.size() ||
        (Get<std::uint16_t>(bytes, Field::Type) & VectorType) != 0)
        return std::nullopt;

    RasterFont font;
    font.Points = Get<std::uint16_t>(bytes, Field::Points);
    font.Weight = Get<std::uint16_t>(bytes, Field::Weight);
    font.PixelHeight = Get<std::uint16_t>(bytes, Field::PixHeight);
    font.Ascent = Get<std::uint16_t>(bytes, Field::Ascent);
    font.FirstChar = Get<std::uint8_t>(bytes, Field::FirstChar);
    font.LastChar = Get<std::uint8_t>(bytes, Field::LastChar);
    font.DefaultChar = font.FirstChar + Get<std::uint8_t>(bytes, Field::DefaultChar);
    if (font.PixelHeight < 1 || font.PixelHeight > MaxPixelHeight ||
        font.Ascent > font.PixelHeight || font.FirstChar > font.LastChar ||
        font.DefaultChar > font.LastChar)
        return std::nullopt;

    // The table holds one entry past the last character, as every version 3.0 file does.
    const auto count = static_cast<std::size_t>(font.LastChar - font.FirstChar + 1);
    const std::size_t tableEnd = HeaderSize + (count + 1) * GlyphEntrySize;
    const std::size_t bitsOffset = Get<std::uint32_t>(bytes, Field::BitsOffset);
    if (tableEnd > bytes.size() || bitsOffset < tableEnd || bitsOffset > bytes.size())
        return std::nullopt;
    const int pixWidth = Get<std::uint16_t>(bytes, Field::PixWidth);
    for (std::size_t i = 0; i < count; ++i) {
        auto glyph =
            ReadGlyph(bytes, HeaderSize + i * GlyphEntrySize, tableEnd, font.PixelHeight, pixWidth);
        if (!glyph)
            return std::nullopt;
        font.Glyphs.push_back(std::move(*glyph));
    }

    const std::size_t faceOffset = Get<std::uint32_t>(bytes, Field::Face);
    auto faceName = faceOffset < tableEnd ? std::nullopt : ReadFaceName(bytes, faceOffset);
    if (!faceName)
        return std::nullopt;
    font.FaceName = std::move(*faceName);
    return font;
}

std::vector<std::uint8_t> RasterFontBytes(const RasterFont& font) {
    using ByteLayout::Put;
    const std::size_t tableEnd = HeaderSize + (font.Glyphs.size() + 1) * GlyphEntrySize;
    std::size_t columns = 0;
    std::size_t bitsSize = 0;
    int maxWidth = 0;
    int widthSum = 0;
    for (const RasterFont::Glyph& glyph : font.Glyphs) {
        columns += ColumnBytes(glyph.Width);
        bitsSize += BitmapSize(glyph.Width, font.PixelHeight);
        maxWidth = std::max(maxWidth, glyph.Width);
        widthSum += glyph.Width;
    }
    const std::size_t faceOffset = tableEnd + bitsSize;
    std::vector<std::uint8_t> bytes(faceOffset + font.FaceName.size() + 1);
    const std::span<std::uint8_t> out(bytes);
    const auto glyphCount = static_cast<int>(font.Glyphs.size());

    Put<std::uint16_t>(out, Field::Version, Version3);
    Put<std::uint32_t>(out, Field::Size, static_cast<std::uint32_t>(bytes.size()));
    Put<std::uint16_t>(out, Field::Points, static_cast<std::uint16_t>(font.Points));
    Put<std::uint16_t>(out, Field::VertRes, Dpi);
    Put<std::uint16_t>(out, Field::HorizRes, Dpi);
    Put<std::uint16_t>(out, Field::Ascent, static_cast<std::uint16_t>(font.Ascent));
    Put<std::uint16_t>(out, Field::Weight, static_cast<std::uint16_t>(font.Weight));
    Put<std::uint16_t>(out, Field::PixHeight, static_cast<std::uint16_t>(font.PixelHeight));
    Put<std::uint8_t>(out, Field::PitchAndFamily, VariablePitchSwiss);
    Put<std::uint16_t>(out, Field::AvgWidth,
                       static_cast<std::uint16_t>(glyphCount == 0 ? 0 : widthSum / glyphCount));
    Put<std::uint16_t>(out, Field::MaxWidth, static_cast<std::uint16_t>(maxWidth));
    Put<std::uint8_t>(out, Field::FirstChar, static_cast<std::uint8_t>(font.FirstChar));
    Put<std::uint8_t>(out, Field::LastChar, static_cast<std::uint8_t>(font.LastChar));
    Put<std::uint8_t>(out, Field::DefaultChar,
                      static_cast<std::uint8_t>(font.DefaultChar - font.FirstChar));
    Put<std::uint8_t>(out, Field::BreakChar,
                      static_cast<std::uint8_t>(font.DefaultChar - font.FirstChar));
    Put<std::uint16_t>(out, Field::WidthBytes, static_cast<std::uint16_t>(columns + columns % 2));
    Put<std::uint32_t>(out, Field::Face, static_cast<std::uint32_t>(faceOffset));
    Put<std::uint32_t>(out, Field::BitsOffset, static_cast<std::uint32_t>(tableEnd));
    Put<std::uint32_t>(out, Field::Flags, ProportionalOneColour);

    std::size_t offset = tableEnd;
    for (std::size_t i = 0; i < font.Glyphs.size(); ++i) {
        const RasterFont::Glyph& glyph = font.Glyphs[i];
        const std::size_t entry = HeaderSize + i * GlyphEntrySize;
        Put<std::uint16_t>(out, entry, static_cast<std::uint16_t>(glyph.Width));
        Put<std::uint32_t>(out, entry + 2, static_cast<std::uint32_t>(offset));
        for (int y = 0; y < font.PixelHeight; ++y)
            for (int x = 0; x < glyph.Width; ++x)
                if (glyph.Ink(x, y))
                    bytes[offset + PixelByte(x, y, font.PixelHeight)] |= PixelBit(x);
        offset += BitmapSize(glyph.Width, font.PixelHeight);
    }
    // The closing entry has no pixels; it points at the end of the bitmaps.
    Put<std::uint32_t>(out, HeaderSize + font.Glyphs.size() * GlyphEntrySize + 2,
                       static_cast<std::uint32_t>(offset));
    std::copy(font.FaceName.begin(), font.FaceName.end(),
              bytes.begin() + static_cast<std::ptrdiff_t>(faceOffset));
    return bytes;
}
