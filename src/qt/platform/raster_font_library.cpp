// Registering raster font files and finding faces by name.
#include "platform/raster_font_library.h"

#include "platform/toolkit_raster_font.h"

void RasterFontLibrary::AddFontFile(const std::filesystem::path& file) {
    Registered.Add(file);
}

void RasterFontLibrary::RemoveFontFile(const std::filesystem::path& file) {
    Registered.Remove(file);
}

std::shared_ptr<const RasterFont> RasterFontLibrary::Face(const QString& name, int pointSize,
                                                          bool bold) {
    if (auto face = Registered.Find(name.toStdString()))
        return face;
    return std::make_shared<const RasterFont>(RasteriseFont(BoardTextFont(name, pointSize, bold)));
}
