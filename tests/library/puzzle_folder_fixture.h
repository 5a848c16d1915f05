// Puzzle files with chosen row fields, and the broken files a puzzle folder may also hold.
#pragma once

#include "model/puzzle_file.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <array>
#include <cstdint>
#include <string>

struct PuzzleFileFields {
    std::string FileName;
    std::string Name; // Windows-1252
    int Level = 1;
    std::string Creator = "Ann";
    double DateCreated = 43922.4375; // 1 April 2020, 10:30
    std::uint32_t Id = 1;            // the first field of the PuzzleId
};

inline Guid TestPuzzleId(std::uint32_t id) {
    return Guid{id, 0x1234, 0x5678, {0xAB, 0xCD, 0, 0, 0, 0, 0, 0x0F}};
}

inline PuzzleRecord TestPuzzle(const PuzzleFileFields& fields) {
    PuzzleRecord record = PuzzleFromPicture({"#.", ".#"});
    record.PuzzleId = TestPuzzleId(fields.Id);
    record.Name.Assign(fields.Name);
    record.Level = fields.Level;
    record.Creator.Assign(fields.Creator);
    record.DateCreated = fields.DateCreated;
    return record;
}

// Returns the writer's reason for a failure, empty on success.
inline std::string WriteTestPuzzle(const TempFolder& folder, const PuzzleFileFields& fields) {
    return WritePuzzleFile(folder / fields.FileName, TestPuzzle(fields));
}

// A whole record under another signature, a text file and the first 1000 bytes of a valid record,
// each named *.qvf.
inline void WriteBrokenPuzzleFiles(const TempFolder& folder) {
    PuzzleRecord foreign = TestPuzzle({"", "Foreign", 1, "Ann", 0, 90});
    foreign.Signature.Data1 ^= 1;
    std::array<std::uint8_t, PuzzleRecordSize> bytes;
    EncodePuzzleRecord(foreign, bytes);
    WriteBytes(folder / "foreign.qvf", bytes);

    const std::string text = "Not a puzzle, only text.\n";
    WriteBytes(folder / "notes.qvf",
               std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));

    EncodePuzzleRecord(TestPuzzle({"", "Short", 1, "Ann", 0, 91}), bytes);
    WriteBytes(folder / "short.qvf", std::span(bytes).first(1000));
}
