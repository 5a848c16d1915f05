// The clue faces of the board: font files registered with the system and read by the core, so
// the board draws their glyphs exactly; a face no registered file has is drawn by the system.
#pragma once

#include "fonts/raster_font_registry.h"
#include "platform/font_resources.h"

#include <memory>
#include <string>

class ClueFaceLibrary final : public FontResources {
public:
    // Every file is registered with the system too, for any window that asks for its face.
    explicit ClueFaceLibrary(FontResources& system) : System(system) {}

    void AddFontFile(const std::filesystem::path& file) override;
    void RemoveFontFile(const std::filesystem::path& file) override;
    // The face from a registered file, else the system's substitute for that name and size.
    std::shared_ptr<const RasterFont> Face(const std::string& name, int points, bool bold);

private:
    FontResources& System;
    RasterFontRegistry Registered;
};

// The printable ASCII glyphs of a system font, as a raster font of its pixel height.
RasterFont RasteriseSystemFont(const std::string& name, int points, bool bold);
