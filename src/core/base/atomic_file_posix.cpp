// A save's temporary file on POSIX: held by an flock, which a killed save's process takes with it.
#include "base/atomic_file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

namespace AtomicFileSystem {

bool IsReadOnly(const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0 || (existing.st_mode & S_IWUSR) != 0)
        return false;
    errno = EACCES;
    return true;
}

// Created with the mode a plain create gives. The name is checked once the lock is held: another
// process's save may have found the file in the instant before and removed it as a leftover, and a
// write to it would be lost.
Creation CreateHeld(const std::filesystem::path& path, NativeFile& file) {
    file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return errno == EEXIST ? Creation::NameTaken : Creation::Failed;
    ::flock(file, LOCK_EX);
    if (StillNamed(file, path))
        return Creation::Held;
    ::close(file);
    errno = EEXIST;
    return Creation::NameTaken;
}

void RemoveIfLeftover(const std::filesystem::path& path) {
    // Not following a link, nor waiting on a pipe that merely bears such a name.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
        ::unlink(path.c_str());
    ::close(fd);
}

void Remove(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

void Close(NativeFile file) {
    ::close(file);
}

void SyncFolder(FileSystemCalls& calls, const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    calls.FsyncFolder(fd);
    ::close(fd);
}

int DiskFullError() {
    return ENOSPC;
}

} // namespace AtomicFileSystem
