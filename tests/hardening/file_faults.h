// File system calls that fail when a test says, installed for the object's lifetime.
#pragma once

#include "base/file_system_calls.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class FileCall { Write, Fsync, Rename, FsyncFolder };

// The calls a save makes on this system: Windows has no folder fsync.
#ifdef _WIN32
constexpr std::array<FileCall, 3> FileCallKinds = {FileCall::Write, FileCall::Fsync,
                                                   FileCall::Rename};
#else
constexpr std::array<FileCall, 4> FileCallKinds = {FileCall::Write, FileCall::Fsync,
                                                   FileCall::Rename, FileCall::FsyncFolder};
#endif
// A full disk, a failing device and a refused permission: the errors a save meets, as the system
// reports them (ERROR_DISK_FULL, ERROR_IO_DEVICE and ERROR_ACCESS_DENIED on Windows).
#ifdef _WIN32
constexpr std::array<int, 3> FaultErrors = {112, 1117, 5};
#else
constexpr std::array<int, 3> FaultErrors = {ENOSPC, EIO, EACCES};
#endif

inline const char* FileCallName(FileCall call) {
    switch (call) {
    case FileCall::Write:
        return "write";
    case FileCall::Fsync:
        return "fsync";
    case FileCall::Rename:
        return "rename";
    case FileCall::FsyncFolder:
        return "folder fsync";
    }
    return "?";
}

struct FileFault {
    FileCall Call = FileCall::Write;
    int Number = 0; // the call that fails, counted from 1 among calls of its kind
    int Error = 0;
};

inline std::string Describe(const FileFault& fault) {
    return std::string(FileCallName(fault.Call)) + " #" + std::to_string(fault.Number) + " " +
           SystemErrorText(fault.Error);
}

class FileFaults final : public FileSystemCalls {
public:
    FileFaults() : Previous(Install(this)) {}
    ~FileFaults() override { Install(Previous); }

    // The next calls fail as the fault says, once; counting starts again from here.
    void Arm(const FileFault& fault) {
        Armed = fault;
        Counts = {};
    }
    void Disarm() { Armed.reset(); }

    int Count(FileCall call) const { return Counts[static_cast<std::size_t>(call)]; }
    int Failed() const { return Failed_; }

    // Each write takes at most this many bytes, as a pipe or a nearly full disk may, so one file
    // takes many write calls and every one of them can be failed.
    std::size_t MaxWriteBytes = static_cast<std::size_t>(-1);
    // Called with the target after each rename that succeeded.
    std::function<void(const std::filesystem::path&)> AfterRename;

    std::ptrdiff_t Write(NativeFile file, const void* data, std::size_t size) override {
        if (Fails(FileCall::Write))
            return -1;
        return FileSystemCalls::Write(file, data, std::min(size, MaxWriteBytes));
    }
    int Fsync(NativeFile file) override {
        if (Fails(FileCall::Fsync))
            return -1;
        return FileSystemCalls::Fsync(file);
    }
    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (Fails(FileCall::Rename))
            return -1;
        const int result = FileSystemCalls::Rename(from, to);
        if (result == 0 && AfterRename)
            AfterRename(to);
        return result;
    }
#ifndef _WIN32
    int FsyncFolder(NativeFile folder) override {
        if (Fails(FileCall::FsyncFolder))
            return -1;
        return FileSystemCalls::FsyncFolder(folder);
    }
#endif

private:
    bool Fails(FileCall call) {
        const int number = ++Counts[static_cast<std::size_t>(call)];
        if (!Armed || Armed->Call != call || Armed->Number != number)
            return false;
        ++Failed_;
        SetLastSystemError(Armed->Error);
        Armed.reset();
        return true;
    }

    FileSystemCalls* Previous;
    std::optional<FileFault> Armed;
    std::array<int, static_cast<std::size_t>(FileCall::FsyncFolder) + 1> Counts{};
    int Failed_ = 0;
};

// Every fault an operation that makes these calls can meet: each write in turn, then each
// fsync, each rename and each folder fsync, each with every error.
inline std::vector<FileFault> EveryFault(const FileFaults& counted) {
    std::vector<FileFault> faults;
    for (const FileCall call : FileCallKinds)
        for (int number = 1; number <= counted.Count(call); ++number)
            for (const int error : FaultErrors)
                faults.push_back({call, number, error});
    return faults;
}
