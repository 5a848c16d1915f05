// The system calls through which files are written, replaceable so a test can make one fail.
#include "base/file_system_calls.h"

#include <atomic>
#include <cstdio>
#include <unistd.h>

namespace {

// Constant-initialised, so a file written during another object's static initialisation finds
// the calls ready.
constinit FileSystemCalls SystemCalls;
constinit std::atomic<FileSystemCalls*> Installed{&SystemCalls};

} // namespace

ssize_t FileSystemCalls::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileSystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}

int FileSystemCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int FileSystemCalls::FsyncFolder(int fd) {
    return ::fsync(fd);
}

FileSystemCalls& FileSystemCalls::Current() {
    return *Installed.load(std::memory_order_acquire);
}

FileSystemCalls* FileSystemCalls::Install(FileSystemCalls* calls) {
    FileSystemCalls* previous =
        Installed.exchange(calls != nullptr ? calls : &SystemCalls, std::memory_order_acq_rel);
    return previous == &SystemCalls ? nullptr : previous;
}
