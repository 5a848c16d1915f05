// Saved games (.qvs): the puzzle record, the player's grid and clues, the clock and the history.
#pragma once

#include "model/file_read.h"
#include "model/game_state.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

constexpr std::size_t SavedGameHeaderSize = 131572; // everything before the history records
constexpr std::size_t SavedHistoryRecordSize = 20;

// What a saved game holds, as read; the caller puts it into its game.
struct SavedGame {
    PuzzleRecord Puzzle;
    std::array<std::uint8_t, 8> Reserved{};
    CellGrid PlayerGrid;
    ClueTable ColumnClues;
    ClueTable RowClues;
    std::int32_t ElapsedSeconds = 0;
    std::int32_t HistoryIndex = -1;
    std::vector<HistoryRecord> History;

    bool operator==(const SavedGame&) const = default;
};

std::vector<std::uint8_t> EncodeSavedGame(const GameState& game);

// A saved game is taken only when its puzzle record is one the game accepts, every byte the
// header promises is present, the history count is not negative and its records are all there,
// and the history index lies in -1..count-1. `into` changes only on Ok.
FileReadStatus DecodeSavedGame(std::span<const std::uint8_t> content, SavedGame& into);

// Reads no more than the file holds: a count claiming more records than the file's size allows
// is refused before anything is allocated for them.
FileReadStatus ReadSavedGameFile(const std::filesystem::path& path, SavedGame& into);

// Writes the game; the previous file stays whole if anything fails. Returns the reason for a
// failure, empty on success.
std::string WriteSavedGameFile(const std::filesystem::path& path, const GameState& game);
