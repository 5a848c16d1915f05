// One version of a file on Windows: its handle's information and its bytes, read through one
// handle. Opened sharing everything, so another process can replace the file by a rename while
// it is read.
#include "settings/file_snapshot.h"

#include "base/windows_file.h"

#include <array>

namespace {

// File times count 100 ns from 1601; stamps count from 1970, as on POSIX.
constexpr std::uint64_t TicksPerSecond = 10'000'000;
constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

std::uint64_t Joined(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

FileStamp StampFrom(const BY_HANDLE_FILE_INFORMATION& information) {
    const std::uint64_t ticks = Joined(information.ftLastWriteTime.dwHighDateTime,
                                       information.ftLastWriteTime.dwLowDateTime);
    return {true,
            information.dwVolumeSerialNumber,
            Joined(information.nFileIndexHigh, information.nFileIndexLow),
            static_cast<std::int64_t>(Joined(information.nFileSizeHigh, information.nFileSizeLow)),
            static_cast<std::int64_t>(ticks / TicksPerSecond) - SecondsFrom1601To1970,
            static_cast<std::int64_t>(ticks % TicksPerSecond) * 100};
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Reads to the end, whatever the size claimed when the file was opened.
bool ReadAll(HANDLE file, std::string& bytes) {
    std::array<char, 65536> buffer;
    for (;;) {
        DWORD count = 0;
        if (!::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr))
            return false;
        if (count == 0)
            return true;
        bytes.append(buffer.data(), count);
    }
}

} // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    // No access asked beyond the attributes; a folder opens only with backup semantics.
    const OpenedFile file(path, 0, FILE_FLAG_BACKUP_SEMANTICS);
    if (file.Handle == INVALID_HANDLE_VALUE)
        return IsMissing(::GetLastError()) ? std::optional(FileStamp{}) : std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file.Handle, &information))
        return std::nullopt;
    return StampFrom(information);
}

std::optional<FileSnapshot> ReadSnapshot(const std::filesystem::path& path) {
    const OpenedFile file(path, GENERIC_READ, FILE_FLAG_SEQUENTIAL_SCAN);
    if (file.Handle == INVALID_HANDLE_VALUE)
        return IsMissing(::GetLastError()) ? std::optional(FileSnapshot{}) : std::nullopt;
    std::optional<FileSnapshot> snapshot(std::in_place);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file.Handle, &information) ||
        !ReadAll(file.Handle, snapshot->Bytes))
        return std::nullopt;
    snapshot->Stamp = StampFrom(information);
    return snapshot;
}
