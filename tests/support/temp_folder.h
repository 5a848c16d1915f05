// A fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include "base/path_text.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        Path_ = std::filesystem::temp_directory_path() /
                ("quorvane-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(Path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return Path_; }
    // The name in UTF-8, as the tests write names, on every system.
    std::filesystem::path operator/(const std::string& name) const {
        return Path_ / PathFromText(name);
    }

private:
    std::filesystem::path Path_;
};

inline void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
