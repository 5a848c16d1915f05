// Random, mutated and truncated files through the puzzle and saved-game readers: every input is
// either taken whole or refused with the target untouched, and nothing reads past its buffer.
#include "base/byte_layout.h"
#include "editor/editor_puzzle.h"
#include "model/derive_clues.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>
#include <random>

namespace {

constexpr std::uint32_t Seed = 20261207;

std::vector<std::uint8_t> RandomBytes(std::mt19937& random, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Flips a few bytes, often in the fields readers check, then maybe cuts the end off.
std::vector<std::uint8_t> Mutate(std::mt19937& random, std::vector<std::uint8_t> bytes,
                                 const std::vector<std::size_t>& hotOffsets) {
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) {
        const std::size_t at = random() % 2 == 0
                                   ? hotOffsets[random() % hotOffsets.size()] + random() % 4
                                   : random() % bytes.size();
        bytes[at] = static_cast<std::uint8_t>(random());
    }
    if (random() % 3 == 0)
        bytes.resize(random() % (bytes.size() + 1));
    return bytes;
}

GameState SampleGame() {
    GameState game = GameFromPicture({"#.#.#", "#####", "..#..", "##.##"});
    DeriveClues(game);
    for (int i = 0; i < 6; ++i)
        game.History.push_back({0, i % 5, i % 4, 0, 1});
    game.HistoryIndex = 3;
    return game;
}

} // namespace

TEST(FileReadersFuzz, PuzzleReaderTakesWholeRecordsOrNothing) {
    std::mt19937 random(Seed);
    std::vector<std::uint8_t> valid(PuzzleRecordSize);
    EncodePuzzleRecord(SampleGame().Puzzle, std::span(valid).first<PuzzleRecordSize>());
    const std::vector<std::size_t> hot = {0, 12, 32, 113, 376, 380, 384, 33156, 33240};

    int taken = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::vector<std::uint8_t> input =
            i % 4 == 0 ? RandomBytes(random, random() % (PuzzleRecordSize + 100))
                       : Mutate(random, valid, hot);
        PuzzleRecord record = PuzzleFromPicture({"#"});
        const PuzzleRecord before = record;
        if (DecodeGamePuzzle(input, record) == FileReadStatus::Ok) {
            ++taken;
            ASSERT_EQ(record.Signature, PuzzleSignature) << "case " << i;
            ASSERT_TRUE(IsValidGridSide(record.Width) && IsValidGridSide(record.Height))
                << "case " << i;
            std::vector<std::uint8_t> again(PuzzleRecordSize);
            EncodePuzzleRecord(record, std::span(again).first<PuzzleRecordSize>());
            ASSERT_TRUE(std::equal(again.begin(), again.end(), input.begin())) << "case " << i;
        } else {
            ASSERT_EQ(record, before) << "case " << i;
        }
    }
    // The mutations must exercise both outcomes, or the loop proves nothing.
    EXPECT_GT(taken, 100);
    EXPECT_LT(taken, 2900);
}

TEST(FileReadersFuzz, EditorReaderTakesAGridThatFitsOrNothing) {
    std::mt19937 random(Seed + 1);
    PuzzleRecord signedRecord;
    signedRecord.Signature = PuzzleSignature;
    std::array<std::uint8_t, PuzzleRecordSize> signedBytes{};
    EncodePuzzleRecord(signedRecord, signedBytes);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> input = RandomBytes(random, random() % (PuzzleRecordSize + 100));
        // Most random files are refused for their signature; half keep a valid one so that the
        // sizes and the rest are tried too.
        if (i % 2 == 0 && input.size() >= 16)
            std::copy_n(signedBytes.begin(), 16, input.begin());
        GameState game;
        game.Puzzle.Width = game.Puzzle.Height = 16;
        const PuzzleRecord before = game.Puzzle;
        if (OverlayOpenedPuzzle(input, game.Puzzle) != FileReadStatus::Ok) {
            ASSERT_EQ(game.Puzzle, before) << "case " << i;
            continue;
        }
        ASSERT_TRUE(IsValidGridSide(game.Puzzle.Width) && IsValidGridSide(game.Puzzle.Height))
            << "case " << i;
        DeriveClues(game);
        ASSERT_LE(game.RowClueSlots, MaxCluesPerLine);
        ASSERT_LE(game.ColumnClueSlots, MaxCluesPerLine);
    }
}

TEST(FileReadersFuzz, SavedGameReaderTakesConsistentFilesOrNothing) {
    std::mt19937 random(Seed + 2);
    const std::vector<std::uint8_t> valid = EncodeSavedGame(SampleGame());
    const std::vector<std::size_t> hot = {0, 380, 384, 131560, 131564, 131568, 131564, 131568};

    int taken = 0;
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> input = Mutate(random, valid, hot);
        if (i % 5 == 0 && input.size() >= SavedGameHeaderSize)
            ByteLayout::Put(input, 131568, static_cast<std::int32_t>(random()));
        SavedGame saved;
        saved.History = {{9, 9, 9, 9, 9}};
        const SavedGame before = saved;
        if (DecodeSavedGame(input, saved) == FileReadStatus::Ok) {
            ++taken;
            ASSERT_GE(saved.HistoryIndex, -1) << "case " << i;
            ASSERT_LT(saved.HistoryIndex, static_cast<std::int32_t>(saved.History.size()))
                << "case " << i;
            ASSERT_LE(SavedGameHeaderSize + SavedHistoryRecordSize * saved.History.size(),
                      input.size())
                << "case " << i;
        } else {
            ASSERT_EQ(saved, before) << "case " << i;
        }
    }
    EXPECT_GT(taken, 100);
    EXPECT_LT(taken, 1900);
}
