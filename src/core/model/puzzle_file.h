// Puzzle files (.qvf): one PuzzleRecord of 33248 bytes, little-endian, at fixed offsets.
#pragma once

#include "model/file_read.h"
#include "model/puzzle_record.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

constexpr std::size_t PuzzleRecordSize = 33248;

void EncodePuzzleRecord(const PuzzleRecord& record,
                        std::span<std::uint8_t, PuzzleRecordSize> bytes);
PuzzleRecord DecodePuzzleRecord(std::span<const std::uint8_t, PuzzleRecordSize> bytes);

// The game's test of a puzzle file: the format's signature, a size of 1..128 each way and at least
// one whole record. The new-game browser puts every file to it too, so that it lists only files
// the game opens.
bool IsGamePuzzle(const Guid& signature, std::int32_t width, std::int32_t height,
                  std::uintmax_t fileLength);

// The game's reading: a record is taken only when it passes IsGamePuzzle; bytes past the record
// are ignored. `into` changes only on Ok.
FileReadStatus DecodeGamePuzzle(std::span<const std::uint8_t> content, PuzzleRecord& into);
FileReadStatus ReadGamePuzzleFile(const std::filesystem::path& path, PuzzleRecord& into);

// Writes the whole record; the previous file stays whole if anything fails. Returns the reason
// for a failure, empty on success.
std::string WritePuzzleFile(const std::filesystem::path& path, const PuzzleRecord& record);
