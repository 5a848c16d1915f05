// Reading a Windows bitmap file (every depth, palettes, RLE, either row order) as pixels.
#pragma once

#include "editor/picture_import.h"

#include <QString>
#include <filesystem>
#include <optional>

struct BitmapPicture {
    std::optional<PixelPicture> Picture;
    QString Failure; // why there is no picture: not a valid bitmap, or too large for the grid
};

// The size is read from the header first, so a picture too large for the grid is never decoded.
BitmapPicture ReadBitmapPicture(const std::filesystem::path& path);
