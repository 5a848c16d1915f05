// Font files registered for the running program, whose faces are then asked for by name.
#pragma once

#include <filesystem>

class FontResources {
public:
    virtual ~FontResources() = default;
    // A file that is missing or unreadable is ignored: text then falls back to a substitute face.
    virtual void AddFontFile(const std::filesystem::path& file) = 0;
    virtual void RemoveFontFile(const std::filesystem::path& file) = 0;
};
