// How fast the new-game browser lists a large folder against a large store of solved records,
// against the plain way of reading every record whole and asking the registry once per file.
#include "../tests/support/temp_folder.h"
#include "library/puzzle_folder_scan.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "platform/file_registry.h"
#include "platform/memory_registry.h"
#include "platform/regedit_format.h"

#include <benchmark/benchmark.h>
#include <fstream>

namespace {

constexpr std::uint32_t PuzzleFiles = 2000;
constexpr std::uint32_t SolvedRecords = 10000;

Guid BenchPuzzleId(std::uint32_t number) {
    return Guid{number, 0x0B0E, 0x4C4C, {1, 2, 3, 4, 5, 6, 7, 8}};
}

// Records name every even number, so half the folder's puzzles count as solved.
std::vector<std::string> SolvedRecordPath(std::uint32_t record) {
    return {"Software", "Quorvane", "Completed", GuidText(BenchPuzzleId(2 * record))};
}

RegistryHive SolvedHive() {
    RegistryHive hive;
    for (std::uint32_t record = 0; record < SolvedRecords; ++record) {
        RegistryHive* key = hive.CreateKey(SolvedRecordPath(record));
        key->SetValue({"Time", RegistryValueType::Integer, DwordData(record)});
        key->SetValue({"Puzzlename", RegistryValueType::String, "Puzzle"});
        key->SetValue({"Date Completed", RegistryValueType::Binary, std::string(8, '\0')});
        key->SetValue({"Level", RegistryValueType::Integer, DwordData(3)});
    }
    return hive;
}

// Built once for all benchmarks: the folder, the registry file and the same records in memory.
struct LibraryFixture {
    LibraryFixture() : Registry(Folder / "HKCU.reg") {
        std::filesystem::create_directory(Folder / "puzzles");
        PuzzleRecord puzzle;
        puzzle.Signature = PuzzleSignature;
        puzzle.Width = 20;
        puzzle.Height = 20;
        puzzle.Name.Assign("A puzzle of the bench");
        puzzle.Creator.Assign("Bench");
        for (std::uint32_t number = 0; number < PuzzleFiles; ++number) {
            puzzle.PuzzleId = BenchPuzzleId(number);
            WritePuzzleFile(Puzzles() / ("puzzle" + std::to_string(number) + ".qvf"), puzzle);
        }
        const RegistryHive hive = SolvedHive();
        std::ofstream(Folder / "HKCU.reg", std::ios::binary) << RegeditText(hive);
        for (std::uint32_t record = 0; record < SolvedRecords; ++record)
            Memory.OpenKey(SolvedRecordKey(BenchPuzzleId(2 * record)), true)
                ->WriteInteger("Time", static_cast<std::int32_t>(record));
    }

    std::filesystem::path Puzzles() const { return Folder / "puzzles"; }

    TempFolder Folder;
    FileRegistry Registry;
    MemoryRegistry Memory;
};

LibraryFixture& Fixture() {
    static LibraryFixture fixture;
    return fixture;
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

BENCHMARK(ScanWithFileRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainScanWithFileRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanWithMemoryRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainScanWithMemoryRegistry)->Unit(benchmark::kMillisecond);
