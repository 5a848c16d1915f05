// The program's font library: faces from registered raster font files, toolkit fonts otherwise.
#pragma once

#include "fonts/raster_font_registry.h"
#include "platform/font_library.h"

class RasterFontLibrary final : public FontLibrary {
public:
    void AddFontFile(const std::filesystem::path& file) override;
    void RemoveFontFile(const std::filesystem::path& file) override;
    std::shared_ptr<const RasterFont> Face(const QString& name, int pointSize, bool bold) override;

private:
    RasterFontRegistry Registered;
};
