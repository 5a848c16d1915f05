// An exclusive lock on a file on Windows: a LockFileEx over the whole file, released before its
// handle closes, as a lock left to the close may outlast it.
#include "settings/file_lock.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX // the C++ library of MinGW-w64 defines it already
#define NOMINMAX
#endif
#include <windows.h>

FileLock::FileLock(const std::filesystem::path& path) {
    File = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (File == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED whole{};
    Held_ = ::LockFileEx(File, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) != 0;
    if (!Held_)
        ::CloseHandle(File);
}

FileLock::~FileLock() {
    if (!Held_)
        return;
    OVERLAPPED whole{};
    ::UnlockFileEx(File, 0, MAXDWORD, MAXDWORD, &whole);
    ::CloseHandle(File);
}
