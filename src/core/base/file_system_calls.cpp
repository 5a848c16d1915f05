// The file system calls in use: the system's own unless a test installed others.
#include "base/file_system_calls.h"

#include <atomic>

namespace {

// Constant-initialised, so a file written during another object's static initialisation finds
// the calls ready.
constinit FileSystemCalls SystemCalls;
constinit std::atomic<FileSystemCalls*> Installed{&SystemCalls};

} // namespace

FileSystemCalls& FileSystemCalls::Current() {
    return *Installed.load(std::memory_order_acquire);
}

FileSystemCalls* FileSystemCalls::Install(FileSystemCalls* calls) {
    FileSystemCalls* previous =
        Installed.exchange(calls != nullptr ? calls : &SystemCalls, std::memory_order_acq_rel);
    return previous == &SystemCalls ? nullptr : previous;
}
