// Font files registered with the toolkit's font database for this process.
#pragma once

#include "platform/font_resources.h"

#include <map>

class ApplicationFonts final : public FontResources {
public:
    void AddFontFile(const std::filesystem::path& file) override;
    void RemoveFontFile(const std::filesystem::path& file) override;

private:
    std::map<std::filesystem::path, int> Registered; // file -> the database's id for it
};
