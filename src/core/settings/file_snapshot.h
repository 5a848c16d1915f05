// One version of a file: what identifies it on disk and the bytes it held.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// A replacement by rename gives a new inode, an edit in place a new size or modification time.
struct FileStamp {
    bool Present = false; // all else is zero for a missing file
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

struct FileSnapshot {
    FileStamp Stamp;
    std::string Bytes; // empty for a missing file
};

// Nothing when the file exists but cannot be examined.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// The whole file with the stamp of the version read, so the two always match even while other
// processes replace the file. Nothing when it exists but cannot be read.
std::optional<FileSnapshot> ReadSnapshot(const std::filesystem::path& path);
