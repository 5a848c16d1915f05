// Windows bitmap files written field by field, in the depths, headers, compressions and row
// orders the format allows, so that the editor's import is tested on files no toolkit wrote.
#pragma once

#include "editor/picture_import.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

struct BmpForm {
    int Bits;               // 1, 4, 8, 16, 24 or 32
    bool TopDown = false;   // a negative height: the first row in the file is the top one
    bool RunLength = false; // run-length encoded: RLE8 at 8 bits, RLE4 at 4
    int HeaderSize = 40;    // 12 (OS/2's core header), 40, 64 (OS/2's second), 108 (V4), 124 (V5)
    std::array<std::uint32_t, 3> Masks{}; // red, green, blue bit fields (16 or 32 bits) when set
    std::uint32_t Gap = 0; // bytes between the palette and the pixels, behind the pixel offset
};

namespace BmpDetail {

inline void Put(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A channel's eight bits in its field: only the top ones in a narrower field, shifted up in a
// wider one.
inline std::uint32_t Field(std::uint32_t channel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::bit_width(mask >> shift);
    const std::uint32_t value = width <= 8 ? channel >> (8 - width) : channel << (width - 8);
    return value << shift & mask;
}

inline std::array<std::uint32_t, 3> MasksOf(const BmpForm& form) {
    if (form.Masks != std::array<std::uint32_t, 3>{})
        return form.Masks;
    if (form.Bits == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

// Runs of equal indices, each at most 255 long, then the end of the line. At four bits a run's
// byte holds its index twice.
inline std::vector<std::uint8_t> Runs(const std::vector<std::uint8_t>& indices, int bits) {
    std::vector<std::uint8_t> runs;
    for (std::size_t start = 0; start < indices.size();) {
        std::size_t end = start;
        while (end < indices.size() && indices[end] == indices[start] && end - start < 255)
            ++end;
        runs.push_back(static_cast<std::uint8_t>(end - start));
        runs.push_back(
            static_cast<std::uint8_t>(bits == 4 ? indices[start] * 0x11 : indices[start]));
        start = end;
    }
    runs.push_back(0);
    runs.push_back(0);
    return runs;
}

// The row as the file stores it: palette indices packed from the high bits, or colours in
// blue, green, red order, or packed in bit fields; padded to four bytes unless run-length
// encoded.
inline std::vector<std::uint8_t> Row(const PixelPicture& picture, int y, const BmpForm& form,
                                     const std::vector<std::uint32_t>& palette) {
    std::vector<std::uint8_t> row, indices;
    const std::array<std::uint32_t, 3> masks = MasksOf(form);
    int bitsUsed = 0;
    for (int x = 0; x < picture.Width; ++x) {
        const std::uint32_t colour = picture.At(x, y);
        const std::uint32_t red = colour >> 16 & 0xFF, green = colour >> 8 & 0xFF,
                            blue = colour & 0xFF;
        if (form.Bits <= 8) {
            const auto index = static_cast<std::uint8_t>(
                std::find(palette.begin(), palette.end(), colour) - palette.begin());
            indices.push_back(index);
            if (bitsUsed % 8 == 0)
                row.push_back(0);
            row.back() |= static_cast<std::uint8_t>(index << (8 - form.Bits - bitsUsed % 8));
            bitsUsed += form.Bits;
        } else if (form.Bits == 24) {
            Put(row, colour, 3);
        } else {
            Put(row, Field(red, masks[0]) | Field(green, masks[1]) | Field(blue, masks[2]),
                form.Bits / 8);
        }
    }
    if (form.RunLength)
        return Runs(indices, form.Bits);
    row.resize((row.size() + 3) / 4 * 4, 0);
    return row;
}

} // namespace BmpDetail

inline std::vector<std::uint8_t> BmpBytes(const PixelPicture& picture, const BmpForm& form) {
    using BmpDetail::Put;
    const bool core = form.HeaderSize == 12;
    const bool fields = form.Masks != std::array<std::uint32_t, 3>{};
    std::vector<std::uint32_t> palette;
    if (form.Bits <= 8) {
        // Colours in the reverse order of their first use, so an index is never the colour.
        for (const std::uint32_t colour : picture.Pixels)
            if (std::find(palette.begin(), palette.end(), colour) == palette.end())
                palette.insert(palette.begin(), colour);
    }
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < picture.Height; ++i) {
        const int y = form.TopDown ? i : picture.Height - 1 - i;
        const std::vector<std::uint8_t> row = BmpDetail::Row(picture, y, form, palette);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    if (form.RunLength) {
        pixels.push_back(0); // end of bitmap
        pixels.push_back(1);
    }
    std::vector<std::uint8_t> info;
    Put(info, static_cast<std::uint32_t>(form.HeaderSize), 4);
    if (core) {
        Put(info, static_cast<std::uint32_t>(picture.Width), 2);
        Put(info, static_cast<std::uint32_t>(picture.Height), 2);
        Put(info, 1, 2);
        Put(info, static_cast<std::uint32_t>(form.Bits), 2);
    } else {
        Put(info, static_cast<std::uint32_t>(picture.Width), 4);
        Put(info, static_cast<std::uint32_t>(form.TopDown ? -picture.Height : picture.Height), 4);
        Put(info, 1, 2);
        Put(info, static_cast<std::uint32_t>(form.Bits), 2);
        Put(info, form.RunLength ? (form.Bits == 8 ? 1 : 2) : fields ? 3 : 0, 4);
        Put(info, static_cast<std::uint32_t>(pixels.size()), 4);
        Put(info, 2835, 4);
        Put(info, 2835, 4);
        Put(info, static_cast<std::uint32_t>(palette.size()), 4);
        Put(info, 0, 4);
        // V4 and V5 headers hold the bit fields; after a shorter one they follow it.
        if (form.HeaderSize >= 108)
            for (const std::uint32_t mask : form.Masks)
                Put(info, mask, 4);
        info.resize(static_cast<std::size_t>(form.HeaderSize), 0);
        if (fields && form.HeaderSize < 108)
            for (const std::uint32_t mask : form.Masks)
                Put(info, mask, 4);
    }
    for (const std::uint32_t colour : palette)
        Put(info, colour, core ? 3 : 4);
    // The core header has no count of colours: its palette is always full.
    if (core && form.Bits <= 8)
        info.resize(info.size() + 3 * ((std::size_t{1} << form.Bits) - palette.size()), 0);
    info.resize(info.size() + form.Gap, 0xA5);
    const auto offset = static_cast<std::uint32_t>(14 + info.size());
    std::vector<std::uint8_t> bytes = {'B', 'M'};
    Put(bytes, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    bytes.insert(bytes.end(), info.begin(), info.end());
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}
