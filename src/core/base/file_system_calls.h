// The system calls through which files are written, replaceable so a test can make one fail.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// An open file as the system names it: a descriptor on POSIX, a HANDLE on Windows.
#ifdef _WIN32
using NativeFile = void*;
#else
using NativeFile = int;
#endif

// Each call behaves as the system's own call of that kind and leaves the reason for a failure
// where the system leaves it (LastSystemError). The program uses the system's own; a test derives
// from this class, changes the calls it wants to fail and installs its object for as long as it
// runs.
class FileSystemCalls {
public:
    constexpr FileSystemCalls() = default;
    constexpr virtual ~FileSystemCalls() = default;
    FileSystemCalls(const FileSystemCalls&) = delete;
    FileSystemCalls& operator=(const FileSystemCalls&) = delete;

    // write, retried when a signal interrupts it, or WriteFile: the bytes written, or -1.
    virtual std::ptrdiff_t Write(NativeFile file, const void* data, std::size_t size);
    // fsync or FlushFileBuffers: 0, or -1.
    virtual int Fsync(NativeFile file);
    // rename, or MoveFileExW replacing the target and returning once the move is on disk: 0, or
    // -1.
    virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to);
#ifndef _WIN32
    // fsync of a folder, after a rename in it: apart from Fsync, since its failure fails no save.
    // Windows has no such call; its rename writes through.
    virtual int FsyncFolder(NativeFile folder);
#endif

    // The calls in use.
    static FileSystemCalls& Current();
    // Makes these the calls in use and returns the ones they replace; null brings back the
    // system's own.
    static FileSystemCalls* Install(FileSystemCalls* calls);
};

// The reason the last failed call gave: errno on POSIX, GetLastError() on Windows.
int LastSystemError();
void SetLastSystemError(int error);
// The system's own text for such a reason, in UTF-8.
std::string SystemErrorText(int error);
