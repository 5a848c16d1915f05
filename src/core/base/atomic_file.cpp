#include "base/atomic_file.h"

#include "base/file_system_calls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& what, const std::filesystem::path& path) {
    return what + " " + path.string() + ": " + std::strerror(errno);
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
    std::string pattern = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Reason("Cannot create file", target);
    const std::filesystem::path temporary = pattern;

    // A new file is private to mkstemp's 0600; give it the mode a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    FileSystemCalls& calls = FileSystemCalls::Current();
    std::string error;
    if (!WriteAll(calls, fd, bytes) || calls.Fsync(fd) != 0)
        error = Reason("Cannot write file", target);
    if (::close(fd) != 0 && error.empty())
        error = Reason("Cannot write file", target);
    if (error.empty() && calls.Rename(temporary.c_str(), target.c_str()) != 0)
        error = Reason("Cannot create file", target);
    if (!error.empty())
        ::unlink(temporary.c_str());
    return error;
}
