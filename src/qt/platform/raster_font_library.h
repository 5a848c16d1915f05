// The program's font library: faces from registered raster font files, toolkit fonts otherwise.
#pragma once

#include "platform/font_library.h"

#include <utility>
#include <vector>

class RasterFontLibrary final : public FontLibrary {
public:
    void AddFontFile(const std::filesystem::path& file) override;
    void RemoveFontFile(const std::filesystem::path& file) override;
    std::shared_ptr<const RasterFont> Face(const QString& name, int pointSize, bool bold) override;

private:
    // In the order added: when two files name the same face, the first one supplies it.
    std::vector<std::pair<std::filesystem::path, std::shared_ptr<const RasterFont>>> Registered;
};
