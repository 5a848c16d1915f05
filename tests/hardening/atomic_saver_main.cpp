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
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Small writes give a kill many places to land inside one file.
constexpr std::size_t WriteChunk = 16384;

// Unbuffered, so each letter is out before the step it announces.
bool Tell(char step) {
    return std::fputc(step, stdout) != EOF && std::fflush(stdout) == 0;
}

class ReportingCalls final : public FileSystemCalls {
public:
    std::ptrdiff_t Write(NativeFile file, const void* data, std::size_t size) override {
        if (!Tell('w'))
            std::_Exit(0);
        return FileSystemCalls::Write(file, data, std::min(size, WriteChunk));
    }
    int Fsync(NativeFile file) override {
        if (!Tell('f'))
            std::_Exit(0);
        return FileSystemCalls::Fsync(file);
    }
    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (!Tell('r'))
            std::_Exit(0);
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
