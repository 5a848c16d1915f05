// Replacing a file's content so that the old content survives any failure on the way.
#include "base/atomic_file.h"

#include "base/file_system_calls.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A save's temporary file is ".NAME.XXXXXX.saving" beside its target NAME, the Xs being
// mkostemps' letters and digits: hidden from file dialogs, and marked so that the next save of
// NAME knows a leftover for its own and never takes a user's file for one.
constexpr std::string_view TemporaryMark = ".saving";
constexpr std::size_t UniqueLetters = 6;

std::string TemporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".";
}

bool IsTemporaryOf(const std::string& prefix, const std::string& name) {
    if (name.size() != prefix.size() + UniqueLetters + TemporaryMark.size() ||
        !name.starts_with(prefix) || !name.ends_with(TemporaryMark))
        return false;
    const auto unique = name.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    return std::all_of(unique, unique + UniqueLetters, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the path still names the file open on fd.
bool StillNamed(int fd, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           S_ISREG(opened.st_mode) && SameFile(opened, named);
}

std::string Reason(const std::string& what, const std::filesystem::path& path) {
    return what + " " + path.string() + ": " + std::strerror(errno);
}

// A save holds a lock on its temporary file until the file is renamed or removed, and a killed
// save's lock goes with its process. So a temporary whose lock can be taken is a leftover, and
// one still locked belongs to a save under way in another process, which keeps it.
void RemoveLeftovers(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        if (!IsTemporaryOf(prefix, path.filename().string()))
            continue;
        // Not following a link, nor waiting on a pipe that merely bears such a name.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

// A new temporary file beside the target, locked where the file system has locks. The name is
// checked once the lock is held: another process's save may have found the file in the instant
// before and removed it as a leftover, and a write to it would be lost.
int CreateTemporary(const std::filesystem::path& folder, const std::string& prefix,
                    std::filesystem::path& temporary) {
    constexpr int Attempts = 3;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string pattern =
            (folder / (prefix + std::string(UniqueLetters, 'X') + std::string(TemporaryMark)))
                .string();
        const int fd =
            ::mkostemps(pattern.data(), static_cast<int>(TemporaryMark.size()), O_CLOEXEC);
        if (fd < 0)
            return -1;
        ::flock(fd, LOCK_EX);
        if (StillNamed(fd, pattern)) {
            temporary = pattern;
            return fd;
        }
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

bool WriteAll(FileSystemCalls& calls, int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = calls.Write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = ENOSPC; // no progress and no error: the disk took nothing more
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename lives in the folder: syncing the folder keeps a power cut from bringing the old file
// back. Its failure does not fail the save: the new version is whole and in place, a power cut
// could at worst bring back the old one whole, and some file systems cannot sync a folder at all.
void SyncFolder(FileSystemCalls& calls, const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    calls.FsyncFolder(fd);
    ::close(fd);
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes) {
    // A rename would replace a file its owner marked read-only, which a plain write (and every
    // other program) refuses; the mode bits are asked directly, as root passes every access test.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && (existing.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return Reason("Cannot create file", target);
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string prefix = TemporaryPrefix(target);
    RemoveLeftovers(folder, prefix);
    std::filesystem::path temporary;
    const int fd = CreateTemporary(folder, prefix, temporary);
    if (fd < 0)
        return Reason("Cannot create file", target);

    // A new file is private to mkstemp's 0600; give it the mode a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    FileSystemCalls& calls = FileSystemCalls::Current();
    std::string error;
    if (!WriteAll(calls, fd, bytes) || calls.Fsync(fd) != 0)
        error = Reason("Cannot write file", target);
    else if (calls.Rename(temporary.c_str(), target.c_str()) != 0)
        error = Reason("Cannot create file", target);
    if (!error.empty())
        ::unlink(temporary.c_str());
    // Closed only now, so the lock lasts until the name is gone. The data reached the disk at the
    // fsync, so the close has nothing left to report.
    ::close(fd);
    if (error.empty())
        SyncFolder(calls, folder);
    return error;
}
