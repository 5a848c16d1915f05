#include "model/saved_game_file.h"

#include "base/byte_layout.h"
#include "model/puzzle_file.h"
#include "base/atomic_file.h"

#include <fstream>

namespace {

namespace Offset {
constexpr std::size_t Reserved = 33248;
constexpr std::size_t PlayerGrid = 33256;
constexpr std::size_t ColumnClues = 66024;
constexpr std::size_t RowClues = 98792;
constexpr std::size_t ElapsedSeconds = 131560;
constexpr std::size_t HistoryIndex = 131564;
constexpr std::size_t HistoryCount = 131568;
constexpr std::size_t History = SavedGameHeaderSize;
} // namespace Offset

constexpr std::size_t ClueTableSize = 32768;

void PutClues(std::span<std::uint8_t> bytes, std::size_t offset, const ClueTable& table) {
    for (int line = 0; line < MaxGridSide; ++line)
        for (std::size_t j = 0; j < MaxCluesPerLine; ++j) {
            const std::size_t at =
                offset + 4 * (static_cast<std::size_t>(line) * MaxCluesPerLine + j);
            ByteLayout::Put(bytes, at, table[line][j].Value);
            ByteLayout::Put(bytes, at + 2, table[line][j].State);
        }
}

void GetClues(std::span<const std::uint8_t> bytes, std::size_t offset, ClueTable& table) {
    for (int line = 0; line < MaxGridSide; ++line)
        for (std::size_t j = 0; j < MaxCluesPerLine; ++j) {
            const std::size_t at =
                offset + 4 * (static_cast<std::size_t>(line) * MaxCluesPerLine + j);
            table[line][j].Value = ByteLayout::Get<std::uint16_t>(bytes, at);
            table[line][j].State = ByteLayout::Get<std::uint16_t>(bytes, at + 2);
        }
}

// The number of history records the content has room for after the header.
std::uint64_t RecordsRoom(std::uint64_t contentSize) {
    return (contentSize - SavedGameHeaderSize) / SavedHistoryRecordSize;
}

} // namespace

static_assert(Offset::RowClues - Offset::ColumnClues == ClueTableSize);
static_assert(Offset::ElapsedSeconds - Offset::RowClues == ClueTableSize);

std::vector<std::uint8_t> EncodeSavedGame(const GameState& game) {
    std::vector<std::uint8_t> bytes(SavedGameHeaderSize +
                                    SavedHistoryRecordSize * game.History.size());
    EncodePuzzleRecord(game.Puzzle, std::span(bytes).first<PuzzleRecordSize>());
    ByteLayout::PutArray(bytes, Offset::Reserved, game.Reserved);
    ByteLayout::PutArray(bytes, Offset::PlayerGrid, game.PlayerGrid.Cells);
    PutClues(bytes, Offset::ColumnClues, game.ColumnClues);
    PutClues(bytes, Offset::RowClues, game.RowClues);
    ByteLayout::Put(bytes, Offset::ElapsedSeconds, game.ElapsedSeconds);
    ByteLayout::Put(bytes, Offset::HistoryIndex, game.HistoryIndex);
    ByteLayout::Put(bytes, Offset::HistoryCount, static_cast<std::int32_t>(game.History.size()));
    std::size_t at = Offset::History;
    for (const HistoryRecord& record : game.History) {
        for (const std::int32_t field :
             {record.Area, record.Col, record.Row, record.OldValue, record.NewValue}) {
            ByteLayout::Put(bytes, at, field);
            at += 4;
        }
    }
    return bytes;
}

FileReadStatus DecodeSavedGame(std::span<const std::uint8_t> content, SavedGame& into) {
    if (content.size() < SavedGameHeaderSize)
        return FileReadStatus::Corrupted;
    const auto count = ByteLayout::Get<std::int32_t>(content, Offset::HistoryCount);
    const auto index = ByteLayout::Get<std::int32_t>(content, Offset::HistoryIndex);
    if (count < 0 || static_cast<std::uint64_t>(count) > RecordsRoom(content.size()) ||
        index < -1 || index >= count)
        return FileReadStatus::Corrupted;

    SavedGame game;
    if (DecodeGamePuzzle(content, game.Puzzle) != FileReadStatus::Ok)
        return FileReadStatus::Corrupted;
    ByteLayout::GetArray(content, Offset::Reserved, game.Reserved);
    ByteLayout::GetArray(content, Offset::PlayerGrid, game.PlayerGrid.Cells);
    GetClues(content, Offset::ColumnClues, game.ColumnClues);
    GetClues(content, Offset::RowClues, game.RowClues);
    game.ElapsedSeconds = ByteLayout::Get<std::int32_t>(content, Offset::ElapsedSeconds);
    game.HistoryIndex = index;
    game.History.resize(static_cast<std::size_t>(count));
    std::size_t at = Offset::History;
    for (HistoryRecord& record : game.History) {
        for (std::int32_t* field :
             {&record.Area, &record.Col, &record.Row, &record.OldValue, &record.NewValue}) {
            *field = ByteLayout::Get<std::int32_t>(content, at);
            at += 4;
        }
    }
    into = std::move(game);
    return FileReadStatus::Ok;
}

FileReadStatus ReadSavedGameFile(const std::filesystem::path& path, SavedGame& into) {
    const auto header = ReadFilePrefix(path, SavedGameHeaderSize);
    if (!header)
        return FileReadStatus::CannotOpen;
    if (header->size() < SavedGameHeaderSize)
        return FileReadStatus::Corrupted;
    const auto count = ByteLayout::Get<std::int32_t>(*header, Offset::HistoryCount);
    if (count < 0)
        return FileReadStatus::Corrupted;
    // Reading stops at the last record the header announces; DecodeSavedGame then checks that
    // they were all there.
    const auto content =
        ReadFilePrefix(path, SavedGameHeaderSize + SavedHistoryRecordSize * std::uint64_t(count));
    if (!content)
        return FileReadStatus::CannotOpen;
    return DecodeSavedGame(*content, into);
}

std::string WriteSavedGameFile(const std::filesystem::path& path, const GameState& game) {
    return WriteFileAtomically(path, EncodeSavedGame(game));
}
