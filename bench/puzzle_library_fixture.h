// A folder of puzzle files and a large store of solved records, for the library's benchmarks.
#pragma once

#include "../tests/support/temp_folder.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "settings/file_registry.h"
#include "settings/memory_registry.h"
#include "settings/regedit_format.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

constexpr std::uint32_t BenchSolvedRecords = 10000;

inline Guid BenchPuzzleId(std::uint32_t number) {
    return Guid{number, 0x0B0E, 0x4C4C, {1, 2, 3, 4, 5, 6, 7, 8}};
}

// Records name every even number, so half the folder's puzzles count as solved.
inline std::vector<std::string> BenchSolvedRecordPath(std::uint32_t record) {
    return {"Software", "Quorvane", "Completed", GuidText(BenchPuzzleId(2 * record))};
}

inline RegistryHive BenchSolvedHive() {
    RegistryHive hive;
    for (std::uint32_t record = 0; record < BenchSolvedRecords; ++record) {
        RegistryHive* key = hive.CreateKey(BenchSolvedRecordPath(record));
        key->SetValue({"Time", RegistryValueType::Integer, DwordData(record)});
        key->SetValue({"Puzzlename", RegistryValueType::String, "Puzzle"});
        key->SetValue({"Date Completed", RegistryValueType::Binary, std::string(8, '\0')});
        key->SetValue({"Level", RegistryValueType::Integer, DwordData(3)});
    }
    return hive;
}

// The folder, the registry file and the same records in memory. Names, levels and dates vary
// from file to file and are not in the folder's order, so sorting the rows has real work to do.
struct PuzzleLibraryFixture {
    explicit PuzzleLibraryFixture(std::uint32_t puzzleFiles)
        : Files(puzzleFiles), Registry(Folder / "HKCU.reg") {
        std::filesystem::create_directory(Folder / "puzzles");
        PuzzleRecord puzzle;
        puzzle.Signature = PuzzleSignature;
        puzzle.Width = 20;
        puzzle.Height = 20;
        puzzle.Creator.Assign("Bench");
        for (std::uint32_t number = 0; number < Files; ++number) {
            const std::uint32_t scrambled = number * 7919 % Files;
            puzzle.PuzzleId = BenchPuzzleId(number);
            puzzle.Name.Assign("Bench puzzle " + std::to_string(scrambled));
            puzzle.Level = static_cast<std::int32_t>(scrambled % 12);
            puzzle.DateCreated = 40000.0 + scrambled;
            WritePuzzleFile(Puzzles() / ("puzzle" + std::to_string(number) + ".qvf"), puzzle);
        }
        std::ofstream(Folder / "HKCU.reg", std::ios::binary) << RegeditText(BenchSolvedHive());
        for (std::uint32_t record = 0; record < BenchSolvedRecords; ++record)
            Memory.OpenKey(SolvedRecordKey(BenchPuzzleId(2 * record)), true)
                ->WriteInteger("Time", static_cast<std::int32_t>(record));
    }

    std::filesystem::path Puzzles() const { return Folder / "puzzles"; }

    std::uint32_t Files;
    TempFolder Folder;
    FileRegistry Registry;
    MemoryRegistry Memory;
};
