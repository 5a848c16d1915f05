// A picture's pixels turned into the editor's cells: the top-left pixel's colour is the
// background, every other colour a filled cell.
#pragma once

#include "model/puzzle_record.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the picture open dialog of Import From Bitmap lists.
inline constexpr std::string_view BitmapFilter = "Bitmaps (*.bmp)|*.bmp";

struct PixelPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // row by row, 0xRRGGBB

    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

// Whether a picture of this size fits the grid: 1..128 pixels each way.
bool PictureFits(int width, int height);

// Why a picture of this size is refused, naming its size and the limit.
std::string PictureSizeMessage(int width, int height);

// Sets Width, Height and the cells within them; the cells outside keep their values and nothing
// else of the record changes. A picture that does not fit (or whose pixels do not match its size)
// changes nothing and gives false.
bool ImportPicture(const PixelPicture& picture, PuzzleRecord& puzzle);
