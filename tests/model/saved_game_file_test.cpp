// Saved games: the byte layout, the round trip and the refusal of files that do not add up.
#include "base/byte_layout.h"
#include "model/derive_clues.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

GameState SampleGame(int historyRecords) {
    GameState game = GameFromPicture({"#.#", "###", ".#."});
    game.Puzzle.Name.Assign("Crown");
    DeriveClues(game);
    game.Reserved = {1, 2, 3, 4, 5, 6, 7, 8};
    game.PlayerGrid.Set(2, 1, CellState::Marked);
    game.ColumnClues[1][0].State = static_cast<std::uint16_t>(ClueState::Finalised);
    game.RowClues[2][0].State = static_cast<std::uint16_t>(ClueState::Marked);
    game.ElapsedSeconds = 125;
    for (int i = 0; i < historyRecords; ++i)
        game.History.push_back({i % 3, i, 2 * i, i % 4, (i + 1) % 4});
    game.HistoryIndex = historyRecords - 1;
    return game;
}

// The file a game writes, with the history count and index set by hand.
std::vector<std::uint8_t> WithCounts(const GameState& game, std::int32_t count,
                                     std::int32_t index) {
    std::vector<std::uint8_t> bytes = EncodeSavedGame(game);
    ByteLayout::Put(bytes, 131568, count);
    ByteLayout::Put(bytes, 131564, index);
    return bytes;
}

} // namespace

TEST(SavedGameFile, EmptyHistoryGivesTheHeaderAlone) {
    GameState game = SampleGame(0);
    EXPECT_EQ(EncodeSavedGame(game).size(), 131572u);
    EXPECT_EQ(EncodeSavedGame(SampleGame(7)).size(), 131572u + 20 * 7);
}

TEST(SavedGameFile, FieldsSitAtTheirOffsets) {
    const GameState game = SampleGame(2);
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(game);

    EXPECT_EQ(bytes[0], 0x20);
    EXPECT_EQ(bytes[32], 5); // "Crown"
    EXPECT_EQ(bytes[33248], 1);
    EXPECT_EQ(bytes[33255], 8);
    EXPECT_EQ(ByteLayout::Get<std::uint16_t>(bytes, 33256 + 2 * (2 * 128 + 1)), 3);
    // Column clues come first: column 1 of "#.#/###/.#." has the run 2, finalised.
    EXPECT_EQ(ByteLayout::Get<std::uint16_t>(bytes, 66024 + 4 * (1 * 64 + 0)), 2);
    EXPECT_EQ(ByteLayout::Get<std::uint16_t>(bytes, 66024 + 4 * (1 * 64 + 0) + 2), 2);
    // Row 0 "#.#" holds 1 and 1; row 2 ".#." holds 1, marked.
    EXPECT_EQ(ByteLayout::Get<std::uint16_t>(bytes, 98792 + 4 * (0 * 64 + 1)), 1);
    EXPECT_EQ(ByteLayout::Get<std::uint16_t>(bytes, 98792 + 4 * (2 * 64 + 0) + 2), 1);
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 131560), 125);
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 131564), 1);
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 131568), 2);
    const std::int32_t second[] = {1, 1, 2, 1, 2};
    for (int field = 0; field < 5; ++field)
        EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 131572 + 20 + 4 * field), second[field])
            << field;
}

TEST(SavedGameFile, ReadingGivesBackWhatWasWritten) {
    GameState game = SampleGame(10);
    game.HistoryIndex = 6;
    TempFolder folder;
    ASSERT_EQ(WriteSavedGameFile(folder / "g.qvs", game), "");

    SavedGame saved;
    ASSERT_EQ(ReadSavedGameFile(folder / "g.qvs", saved), FileReadStatus::Ok);
    EXPECT_EQ(saved.Puzzle, game.Puzzle);
    EXPECT_EQ(saved.Reserved, game.Reserved);
    EXPECT_EQ(saved.PlayerGrid, game.PlayerGrid);
    EXPECT_EQ(saved.ColumnClues, game.ColumnClues);
    EXPECT_EQ(saved.RowClues, game.RowClues);
    EXPECT_EQ(saved.ElapsedSeconds, 125);
    EXPECT_EQ(saved.HistoryIndex, 6);
    EXPECT_EQ(saved.History, game.History);
}

TEST(SavedGameFile, HistoryIndexBoundsAreTaken) {
    const GameState game = SampleGame(3);
    for (const std::int32_t index : {-1, 0, 2}) {
        SavedGame saved;
        EXPECT_EQ(DecodeSavedGame(WithCounts(game, 3, index), saved), FileReadStatus::Ok) << index;
        EXPECT_EQ(saved.HistoryIndex, index);
    }
    SavedGame saved;
    EXPECT_EQ(DecodeSavedGame(WithCounts(SampleGame(0), 0, -1), saved), FileReadStatus::Ok);
}

TEST(SavedGameFile, RefusesFilesThatDoNotAddUpAndKeepsTheTarget) {
    const GameState game = SampleGame(3);
    std::vector<std::uint8_t> badSignature = EncodeSavedGame(game);
    badSignature[3] = 0;
    std::vector<std::uint8_t> badWidth = EncodeSavedGame(game);
    ByteLayout::Put(badWidth, 380, std::int32_t{200});
    std::vector<std::uint8_t> header = EncodeSavedGame(game);
    header.resize(131571);
    std::vector<std::uint8_t> lastRecordCut = EncodeSavedGame(game);
    lastRecordCut.pop_back();

    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"bad signature", badSignature},
        {"width outside the grid", badWidth},
        {"header cut short", header},
        {"last record cut short", lastRecordCut},
        {"negative count", WithCounts(game, -1, -1)},
        {"count past the records", WithCounts(game, 4, 2)},
        {"count claiming 2 GB", WithCounts(game, std::numeric_limits<std::int32_t>::max(), 0)},
        {"index below -1", WithCounts(game, 3, -2)},
        {"index at the count", WithCounts(game, 3, 3)},
        {"index with no records", WithCounts(game, 0, 0)},
    };
    TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        SavedGame saved;
        saved.ElapsedSeconds = 42;
        saved.History = {{1, 2, 3, 4, 5}};
        const SavedGame before = saved;
        EXPECT_EQ(DecodeSavedGame(bytes, saved), FileReadStatus::Corrupted) << name;
        EXPECT_EQ(saved, before) << name;

        WriteBytes(folder / "bad.qvs", bytes);
        EXPECT_EQ(ReadSavedGameFile(folder / "bad.qvs", saved), FileReadStatus::Corrupted) << name;
        EXPECT_EQ(saved, before) << name;
    }
}

TEST(SavedGameFile, HugeCountInATinyFileIsRefused) {
    std::vector<std::uint8_t> bytes(200);
    SavedGame saved;
    EXPECT_EQ(DecodeSavedGame(bytes, saved), FileReadStatus::Corrupted);
    TempFolder folder;
    WriteBytes(folder / "tiny.qvs", bytes);
    EXPECT_EQ(ReadSavedGameFile(folder / "tiny.qvs", saved), FileReadStatus::Corrupted);
    EXPECT_EQ(ReadSavedGameFile(folder / "absent.qvs", saved), FileReadStatus::CannotOpen);
}

TEST(SavedGameFile, BytesAfterTheLastRecordAreIgnored) {
    const GameState game = SampleGame(2);
    std::vector<std::uint8_t> bytes = EncodeSavedGame(game);
    bytes.insert(bytes.end(), 13, 0xCD);
    TempFolder folder;
    WriteBytes(folder / "tail.qvs", bytes);
    SavedGame saved;
    ASSERT_EQ(ReadSavedGameFile(folder / "tail.qvs", saved), FileReadStatus::Ok);
    EXPECT_EQ(saved.History, game.History);
}
