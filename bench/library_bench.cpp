// How fast the new-game browser scans a large folder against a large store of solved records,
// beside a bare loop that only opens and reads each file, and the plain way of reading every
// record whole and asking the registry once per file.
#include "library/puzzle_folder_scan.h"
#include "model/puzzle_layout.h"
#include "puzzle_library_fixture.h"

#include <array>
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t PuzzleFiles = 2000;

PuzzleLibraryFixture& Fixture() {
    static PuzzleLibraryFixture fixture(PuzzleFiles);
    return fixture;
}

// What the scan reads of each record: the head up to the comments, Level, Width and Height, and
// the tail from Creator on.
constexpr std::size_t RowBytes = (PuzzleOffset::Comments - PuzzleOffset::Signature) +
                                 (PuzzleOffset::Solution - PuzzleOffset::Level) +
                                 (PuzzleRecordSize - PuzzleOffset::Creator);

// The floor under any scan: the folder listed, and each file opened, read for as many bytes as a
// row needs in one call, and closed; no name is looked at and nothing is decoded.
std::size_t BareLoop(const std::filesystem::path& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return 0;
    std::array<char, RowBytes> bytes;
    std::size_t read = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.')
            continue;
        const int file = ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_CLOEXEC);
        if (file < 0)
            continue;
        if (::read(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()))
            ++read;
        ::close(file);
    }
    ::closedir(listing);
    return read;
}

// Every record read whole, and the registry asked for each puzzle's key.
std::size_t PlainScan(const std::filesystem::path& folder, RegistryStore& registry) {
    std::size_t solved = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        PuzzleRecord record;
        if (entry.path().extension() != ".qvf" ||
            ReadGamePuzzleFile(entry.path(), record) != FileReadStatus::Ok)
            continue;
        if (registry.OpenKey(SolvedRecordKey(record.PuzzleId), false) != nullptr)
            ++solved;
    }
    return solved;
}

void Report(benchmark::State& state, double bytesPerFile) {
    state.SetItemsProcessed(state.iterations() * PuzzleFiles);
    state.counters["bytes_per_file"] = bytesPerFile;
}

void ScanFolder(benchmark::State& state, RegistryStore& registry) {
    PuzzleFolderScan scan;
    for (auto _ : state) {
        scan = ScanPuzzleFolder(Fixture().Puzzles(), registry);
        benchmark::DoNotOptimize(scan.Rows.data());
    }
    if (scan.Rows.size() != PuzzleFiles)
        state.SkipWithError("the scan missed files");
    Report(state, static_cast<double>(scan.BytesRead) / PuzzleFiles);
}

void PlainScanFolder(benchmark::State& state, RegistryStore& registry) {
    std::size_t solved = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(solved = PlainScan(Fixture().Puzzles(), registry));
    if (solved != PuzzleFiles / 2)
        state.SkipWithError("the plain scan miscounted the solved puzzles");
    Report(state, static_cast<double>(PuzzleRecordSize));
}

void BareLoopOverTheFolder(benchmark::State& state) {
    const std::filesystem::path folder = Fixture().Puzzles();
    std::size_t read = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(read = BareLoop(folder));
    if (read != PuzzleFiles)
        state.SkipWithError("the bare loop missed files");
    Report(state, static_cast<double>(RowBytes));
}

void ScanWithFileRegistry(benchmark::State& state) {
    ScanFolder(state, Fixture().Registry);
}
void ScanWithMemoryRegistry(benchmark::State& state) {
    ScanFolder(state, Fixture().Memory);
}
void PlainScanWithFileRegistry(benchmark::State& state) {
    PlainScanFolder(state, Fixture().Registry);
}
void PlainScanWithMemoryRegistry(benchmark::State& state) {
    PlainScanFolder(state, Fixture().Memory);
}

} // namespace

BENCHMARK(BareLoopOverTheFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanWithFileRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainScanWithFileRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanWithMemoryRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainScanWithMemoryRegistry)->Unit(benchmark::kMillisecond);
