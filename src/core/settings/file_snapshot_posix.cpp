// One version of a file on POSIX: its stat and its bytes, read through one descriptor.
#include "settings/file_snapshot.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStamp StampFrom(const struct stat& status) {
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

// Reads to the end, whatever the size claimed when the file was opened.
bool ReadAll(int descriptor, std::string& bytes) {
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

} // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return StampFrom(status);
    if (errno == ENOENT)
        return FileStamp{};
    return std::nullopt;
}

std::optional<FileSnapshot> ReadSnapshot(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT ? std::optional(FileSnapshot{}) : std::nullopt;
    std::optional<FileSnapshot> snapshot(std::in_place);
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && ReadAll(descriptor, snapshot->Bytes))
        snapshot->Stamp = StampFrom(status);
    else
        snapshot.reset();
    ::close(descriptor);
    return snapshot;
}
