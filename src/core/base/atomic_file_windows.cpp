// A save's temporary file on Windows: held by a lock on one byte far past its end, which a killed
// save's process takes with it. The file is opened sharing deletion, so that it can be renamed
// while open and the lock lasts until its name is gone; a lock inside the file would keep readers
// of the replaced target out until the save closed it.
#include "base/atomic_file_system.h"
#include "base/windows_file.h"

namespace {

// The byte at 2^62: no puzzle, game or registry file reaches it.
OVERLAPPED HoldPlace() {
    OVERLAPPED place{};
    place.OffsetHigh = 0x40000000;
    return place;
}

bool Hold(HANDLE file, DWORD flags) {
    OVERLAPPED place = HoldPlace();
    return ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | flags, 0, 1, 0, &place) != 0;
}

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return ::GetFileInformationByHandle(a, &first) && ::GetFileInformationByHandle(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

// Whether the path still names the open file and no sweep has marked it for deletion.
bool StillNamed(HANDLE file, const std::filesystem::path& path) {
    FILE_STANDARD_INFO standard{};
    if (!::GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard) ||
        standard.DeletePending)
        return false;
    const HANDLE named = ::CreateFileW(path.c_str(), 0, ShareAll, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    const bool same = SameFile(file, named);
    ::CloseHandle(named);
    return same;
}

} // namespace

namespace AtomicFileSystem {

bool IsReadOnly(const std::filesystem::path& target) {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
        return false;
    ::SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

// The name is checked once the lock is held: another process's save may have found the file in
// the instant before and marked it for removal as a leftover, and a write to it would be lost.
Creation CreateHeld(const std::filesystem::path& path, NativeFile& file) {
    file = ::CreateFileW(path.c_str(), GENERIC_WRITE, ShareAll, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_EXISTS ? Creation::NameTaken : Creation::Failed;
    if (Hold(file, 0) && StillNamed(file, path))
        return Creation::Held;
    ::CloseHandle(file);
    ::SetLastError(ERROR_FILE_EXISTS);
    return Creation::NameTaken;
}

// Removed through the handle that took the lock, so it is the file found free.
void RemoveIfLeftover(const std::filesystem::path& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | DELETE, ShareAll, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    if (Hold(file, LOCKFILE_FAIL_IMMEDIATELY)) {
        FILE_DISPOSITION_INFO disposition{TRUE};
        ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
    }
    ::CloseHandle(file);
}

// The save's own handle shares deletion, so the name goes now and the file at the close.
void Remove(const std::filesystem::path& path) {
    ::DeleteFileW(path.c_str());
}

void Close(NativeFile file) {
    ::CloseHandle(file);
}

// MoveFileExW's write-through leaves nothing for the folder.
void SyncFolder(FileSystemCalls&, const std::filesystem::path&) {}

int DiskFullError() {
    return ERROR_DISK_FULL;
}

} // namespace AtomicFileSystem
