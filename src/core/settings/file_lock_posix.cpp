// An exclusive lock on a file on POSIX: an flock, which goes with the last descriptor of the file.
#include "settings/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::filesystem::path& path) {
    File = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (File < 0)
        return;
    int result = 0;
    do
        result = ::flock(File, LOCK_EX);
    while (result != 0 && errno == EINTR);
    Held_ = result == 0;
    if (!Held_)
        ::close(File);
}

FileLock::~FileLock() {
    // Closing the last descriptor of the open file releases the lock.
    if (Held_)
        ::close(File);
}
