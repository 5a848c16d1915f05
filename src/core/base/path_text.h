// A path as the UTF-8 text the program shows and stores, on every system.
#pragma once

#include <filesystem>
#include <string>

// u8string() is UTF-8 with every C++ library; string() is the ANSI code page on Windows with some,
// which loses or refuses what it cannot spell.
inline std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A path from UTF-8 text.
inline std::filesystem::path PathFromText(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}
