// The raster font files registered for the running program, and the faces they supply by name.
#pragma once

#include "fonts/raster_font.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class RasterFontRegistry {
public:
    // A file that is missing, unreadable or not a raster font is left out; one added twice counts
    // once.
    void Add(const std::filesystem::path& file);
    void Remove(const std::filesystem::path& file);
    // The face of that name, compared without regard to case; null when no registered file has it.
    std::shared_ptr<const RasterFont> Find(std::string_view faceName) const;

private:
    // In the order added: when two files name the same face, the first one supplies it.
    std::vector<std::pair<std::filesystem::path, std::shared_ptr<const RasterFont>>> Registered;
};
