// Files opened through Windows' wide calls and closed with their owner; Windows builds only.
#pragma once

#include <filesystem>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Every kind of sharing: the program's readers never stand in the way of another process's
// write, rename or delete.
inline constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// An existing file, or a folder with FILE_FLAG_BACKUP_SEMANTICS; Handle is INVALID_HANDLE_VALUE
// when it could not be opened, with the reason in GetLastError.
class OpenedFile {
public:
    OpenedFile(const std::filesystem::path& path, DWORD access, DWORD flags)
        : Handle(::CreateFileW(path.c_str(), access, ShareAll, nullptr, OPEN_EXISTING, flags,
                               nullptr)) {}
    ~OpenedFile() {
        if (Handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(Handle);
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    HANDLE Handle;
};
