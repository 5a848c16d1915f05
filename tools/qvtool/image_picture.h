// Pictures from image files (PBM, PNG, BMP): dark, opaque pixels are filled cells.
#pragma once

#include "solver/nonogram.h"

#include <filesystem>
#include <string_view>

// Throws ToolError for a file that is no readable image or is larger than 128 pixels either way;
// the size is checked from the header before the pixels are decoded.
Picture ReadImagePicture(const std::filesystem::path& path);

// Whether the content starts like one of the image formats read above.
bool LooksLikeImage(std::string_view content);
