// An exclusive lock on a file, shared with every process that locks the same file.
#pragma once

#include "base/file_system_calls.h"

#include <filesystem>

// Held from construction, when it succeeded, until destruction. The lock file is created if
// missing and left in place afterwards: removing it would let two processes lock different files.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return Held_; }

private:
    NativeFile File{};
    bool Held_ = false;
};
