// Windows bitmap files written field by field, in the depths and row orders the format allows,
// so that the editor's import is tested on files no toolkit wrote.
#pragma once

#include "editor/picture_import.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

struct BmpForm {
    int Bits;             // 1, 4, 8, 16, 24 or 32
    bool TopDown = false; // a negative height: the first row in the file is the top one
    bool Rle8 = false;    // run-length encoded, 8 bits only
};

namespace BmpDetail {

inline void Put(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The row as the file stores it: palette indices packed from the high bits, or colours in
// blue, green, red order; padded to four bytes unless run-length encoded.
inline std::vector<std::uint8_t> Row(const PixelPicture& picture, int y, const BmpForm& form,
                                     const std::vector<std::uint32_t>& palette) {
    std::vector<std::uint8_t> row;
    int bitsUsed = 0;
    for (int x = 0; x < picture.Width; ++x) {
        const std::uint32_t colour = picture.At(x, y);
        const std::uint32_t red = colour >> 16 & 0xFF, green = colour >> 8 & 0xFF,
                            blue = colour & 0xFF;
        if (form.Bits <= 8) {
            const auto index = static_cast<std::uint8_t>(
                std::find(palette.begin(), palette.end(), colour) - palette.begin());
            if (bitsUsed % 8 == 0)
                row.push_back(0);
            row.back() |= static_cast<std::uint8_t>(index << (8 - form.Bits - bitsUsed % 8));
            bitsUsed += form.Bits;
        } else if (form.Bits == 16) {
            Put(row, (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3, 2);
        } else {
            Put(row, colour, form.Bits / 8);
        }
    }
    if (form.Rle8) {
        std::vector<std::uint8_t> runs;
        for (std::size_t start = 0; start < row.size();) {
            std::size_t end = start;
            while (end < row.size() && row[end] == row[start] && end - start < 255)
                ++end;
            runs.push_back(static_cast<std::uint8_t>(end - start));
            runs.push_back(row[start]);
            start = end;
        }
        runs.push_back(0); // end of line
        runs.push_back(0);
        return runs;
    }
    row.resize((row.size() + 3) / 4 * 4, 0);
    return row;
}

} // namespace BmpDetail

inline std::vector<std::uint8_t> BmpBytes(const PixelPicture& picture, const BmpForm& form) {
    using BmpDetail::Put;
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
    if (form.Rle8) {
        pixels.push_back(0); // end of bitmap
        pixels.push_back(1);
    }
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    std::vector<std::uint8_t> bytes = {'B', 'M'};
    Put(bytes, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, 40, 4);
    Put(bytes, static_cast<std::uint32_t>(picture.Width), 4);
    Put(bytes, static_cast<std::uint32_t>(form.TopDown ? -picture.Height : picture.Height), 4);
    Put(bytes, 1, 2);
    Put(bytes, static_cast<std::uint32_t>(form.Bits), 2);
    Put(bytes, form.Rle8 ? 1 : 0, 4);
    Put(bytes, static_cast<std::uint32_t>(pixels.size()), 4);
    Put(bytes, 2835, 4);
    Put(bytes, 2835, 4);
    Put(bytes, static_cast<std::uint32_t>(palette.size()), 4);
    Put(bytes, 0, 4);
    for (const std::uint32_t colour : palette)
        Put(bytes, colour, 4);
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}
