// Saves a file over and over, alternating two contents: atomic_saver TARGET FIRST SECOND. Before
// each write, fsync and rename it makes, and after each whole save, it writes one letter to its
// standard output ('w', 'f', 'r', 's'), so a test can kill it at any step. Runs until killed or
// until its output is closed.
#include "base/atomic_file.h"
#include "base/file_system_calls.h"
#include "hardening/whole_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unistd.h>
#include <vector>

namespace {

// Small writes give a kill many places to land inside one file.
constexpr std::size_t WriteChunk = 16384;

bool Tell(char step) {
    return ::write(STDOUT_FILENO, &step, 1) == 1;
}

class ReportingCalls final : public FileSystemCalls {
public:
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (!Tell('w'))
            ::_exit(0);
        return FileSystemCalls::Write(fd, data, std::min(size, WriteChunk));
    }
    int Fsync(int fd) override {
        if (!Tell('f'))
            ::_exit(0);
        return FileSystemCalls::Fsync(fd);
    }
    int Rename(const char* from, const char* to) override {
        if (!Tell('r'))
            ::_exit(0);
        return FileSystemCalls::Rename(from, to);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const std::array<std::vector<std::uint8_t>, 2> contents = {ReadWholeFile(argv[2]),
                                                               ReadWholeFile(argv[3])};
    if (contents[0].empty() || contents[1].empty())
        return 2;
    ReportingCalls calls;
    FileSystemCalls::Install(&calls);
    for (std::size_t round = 0;; ++round) {
        if (!WriteFileAtomically(argv[1], contents[round % 2]).empty())
            return 1;
        if (!Tell('s'))
            return 0;
    }
}
