// Windows bitmap files read for the editor's import: every depth, palettes, run-length
// encoding and both row orders, decoded the same on every system.
#pragma once

#include "editor/picture_import.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

struct BitmapPicture {
    std::optional<PixelPicture> Picture;
    std::string Failure; // why there is no picture: not a valid bitmap, or too large for the grid
};

// What a file that is no bitmap, or holds less than its header promises, is refused with.
std::string BitmapNotValidMessage();

// A bitmap file's bytes as a picture of 0xRRGGBB pixels (alpha plays no part). The size is taken
// from the header first, so a picture too large for the grid is refused before its pixels are
// looked at; a file cut short, a palette or run-length stream that leaves a pixel unset, or a
// header of no kind the format has is refused as not valid.
BitmapPicture DecodeBitmapPicture(std::span<const std::uint8_t> file);

// The file at `path` decoded as above; a file that cannot be read is not a valid bitmap.
BitmapPicture ReadBitmapPicture(const std::filesystem::path& path);
