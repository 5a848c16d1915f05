#include "fonts/raster_font_registry.h"

#include "model/file_read.h"

#include <algorithm>
#include <cctype>

namespace {

// Far beyond any raster font. Only this much of a larger file is read, and the file's own size
// field then does not match it.
constexpr std::uintmax_t MaxFontFileSize = 1 << 20;

bool SameFaceName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

void RasterFontRegistry::Add(const std::filesystem::path& file) {
    const auto registered = [&](const auto& entry) { return entry.first == file; };
    if (std::ranges::any_of(Registered, registered))
        return;
    const auto bytes = ReadFilePrefix(file, MaxFontFileSize);
    if (!bytes)
        return;
    auto font = ParseRasterFont(*bytes);
    if (font)
        Registered.emplace_back(file, std::make_shared<const RasterFont>(std::move(*font)));
}

void RasterFontRegistry::Remove(const std::filesystem::path& file) {
    std::erase_if(Registered, [&](const auto& entry) { return entry.first == file; });
}

std::shared_ptr<const RasterFont> RasterFontRegistry::Find(std::string_view faceName) const {
    for (const auto& [file, face] : Registered)
        if (SameFaceName(face->FaceName, faceName))
            return face;
    return nullptr;
}
