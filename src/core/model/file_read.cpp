#include "model/file_read.h"

#include <fstream>

std::string FileReadMessage(FileReadStatus status, const std::string& path) {
    switch (status) {
    case FileReadStatus::Ok:
        return {};
    case FileReadStatus::CannotOpen:
        return "Cannot open file " + path;
    case FileReadStatus::Corrupted:
        return "The file appears to be corrupted.\r\nUnable to open " + path;
    }
    return {};
}

std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::filesystem::path& path,
                                                        std::uintmax_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    // The size bounds the buffer, so a short file never costs a large allocation.
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(error ? 0 : std::min(size, limit)));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}
