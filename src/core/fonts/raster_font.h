// A bitmap font as the Windows raster font file holds it: a named face of fixed pixel size.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct RasterFont {
    struct Glyph {
        int Width = 0;
        std::vector<std::uint8_t> Pixels; // Width × PixelHeight, row by row; 1 is ink.

        bool Ink(int x, int y) const {
            return Pixels[static_cast<std::size_t>(y * Width + x)] != 0;
        }
        bool operator==(const Glyph&) const = default;
    };

    std::string FaceName;
    int Points = 0;
    int Weight = 400;
    int PixelHeight = 0;
    int Ascent = 0;
    int FirstChar = 0;
    int LastChar = 0;
    int DefaultChar = 0;       // A character code inside FirstChar..LastChar.
    std::vector<Glyph> Glyphs; // One for each code from FirstChar to LastChar.

    // The index in Glyphs of the glyph drawn for the code: its own when the font has one, else
    // the default char's.
    std::size_t GlyphIndex(int code) const;
    bool operator==(const RasterFont&) const = default;
};

// The font in a version 3.0 file, or nothing when the bytes are not one or contradict themselves.
std::optional<RasterFont> ParseRasterFont(std::span<const std::uint8_t> bytes);

// The font as a version 3.0 file; the font must be consistent, as ParseRasterFont would take it.
std::vector<std::uint8_t> RasterFontBytes(const RasterFont& font);
