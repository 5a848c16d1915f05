// Registering raster font files and finding faces by name.
#include "platform/raster_font_library.h"

#include "model/file_read.h"
#include "platform/toolkit_raster_font.h"

#include <algorithm>

namespace {

// Far beyond any raster font. Only this much of a larger file is read, and the file's own size
// field then does not match it.
constexpr std::uintmax_t MaxFontFileSize = 1 << 20;

} // namespace

void RasterFontLibrary::AddFontFile(const std::filesystem::path& file) {
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

void RasterFontLibrary::RemoveFontFile(const std::filesystem::path& file) {
    std::erase_if(Registered, [&](const auto& entry) { return entry.first == file; });
}

std::shared_ptr<const RasterFont> RasterFontLibrary::Face(const QString& name, int pointSize,
                                                          bool bold) {
    for (const auto& [file, face] : Registered)
        if (QString::fromLatin1(face->FaceName).compare(name, Qt::CaseInsensitive) == 0)
            return face;
    return std::make_shared<const RasterFont>(RasteriseFont(BoardTextFont(name, pointSize, bold)));
}
