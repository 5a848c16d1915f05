// The system calls through which files are written, replaceable so a test can make one fail.
#pragma once

#include <cstddef>
#include <sys/types.h>

// Each call behaves as the system call of that name, errno included. The program uses the
// system's own; a test derives from this class, changes the calls it wants to fail and installs
// its object for as long as it runs.
class FileSystemCalls {
public:
    constexpr FileSystemCalls() = default;
    constexpr virtual ~FileSystemCalls() = default;
    FileSystemCalls(const FileSystemCalls&) = delete;
    FileSystemCalls& operator=(const FileSystemCalls&) = delete;

    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Rename(const char* from, const char* to);
    // fsync of a folder, after a rename in it: apart from Fsync, since its failure fails no save.
    virtual int FsyncFolder(int fd);

    // The calls in use.
    static FileSystemCalls& Current();
    // Makes these the calls in use and returns the ones they replace; null brings back the
    // system's own.
    static FileSystemCalls* Install(FileSystemCalls* calls);
};
