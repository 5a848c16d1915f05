// The POSIX system calls through which files are written.
#include "base/file_system_calls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

std::ptrdiff_t FileSystemCalls::Write(NativeFile file, const void* data, std::size_t size) {
    ssize_t written = 0;
    do
        written = ::write(file, data, size);
    while (written < 0 && errno == EINTR);
    return written;
}

int FileSystemCalls::Fsync(NativeFile file) {
    return ::fsync(file);
}

int FileSystemCalls::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str());
}

int FileSystemCalls::FsyncFolder(NativeFile folder) {
    return ::fsync(folder);
}

int LastSystemError() {
    return errno;
}

void SetLastSystemError(int error) {
    errno = error;
}

std::string SystemErrorText(int error) {
    return std::strerror(error);
}
