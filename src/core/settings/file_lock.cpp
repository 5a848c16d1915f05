// An exclusive lock on a file, shared with every process that locks the same file.
#include "settings/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::filesystem::path& path) {
    Descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (Descriptor < 0)
        return;
    int result = 0;
    do
        result = ::flock(Descriptor, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(Descriptor);
        Descriptor = -1;
    }
}

FileLock::~FileLock() {
    // Closing the last descriptor of the open file releases the lock.
    if (Descriptor >= 0)
        ::close(Descriptor);
}
