// Puzzle files: the byte layout, the game's refusals and the editor's lenient reading.
#include "base/byte_layout.h"
#include "editor/editor_puzzle.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

PuzzleRecord SamplePuzzle() {
    PuzzleRecord record = PuzzleFromPicture({"#..#.", ".##..", "#####"});
    record.PuzzleId = Guid{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
    record.Name.Assign("Anchor");
    record.Comments.Assign("A ship's anchor");
    record.Level = 7;
    record.Creator.Assign("Quorvane");
    record.DateCreated = 45123.75;
    return record;
}

std::vector<std::uint8_t> Encoded(const PuzzleRecord& record) {
    std::vector<std::uint8_t> bytes(PuzzleRecordSize);
    EncodePuzzleRecord(record, std::span(bytes).first<PuzzleRecordSize>());
    return bytes;
}

} // namespace

TEST(PuzzleFile, FieldsSitAtTheirOffsets) {
    const std::vector<std::uint8_t> bytes = Encoded(SamplePuzzle());

    EXPECT_EQ(bytes[0], 0x20);
    EXPECT_EQ(bytes[15], 0xB3);
    EXPECT_EQ(bytes[16], 0x04); // Data1 little-endian
    EXPECT_EQ(bytes[32], 6);
    EXPECT_EQ(std::string(bytes.begin() + 33, bytes.begin() + 39), "Anchor");
    EXPECT_EQ(bytes[113], 15);
    EXPECT_EQ(std::string(bytes.begin() + 114, bytes.begin() + 129), "A ship's anchor");
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 376), 7);
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 380), 5);
    EXPECT_EQ(ByteLayout::Get<std::int32_t>(bytes, 384), 3);
    const auto cell = [&](int x, int y) {
        return ByteLayout::Get<std::uint16_t>(bytes, 388 + 2 * (x * 128 + y));
    };
    EXPECT_EQ(cell(0, 0), 1);
    EXPECT_EQ(cell(1, 0), 0);
    EXPECT_EQ(cell(3, 0), 1);
    EXPECT_EQ(cell(1, 1), 1);
    EXPECT_EQ(cell(4, 2), 1);
    EXPECT_EQ(cell(4, 1), 0);
    EXPECT_EQ(bytes[33156], 8);
    EXPECT_EQ(std::string(bytes.begin() + 33157, bytes.begin() + 33165), "Quorvane");
    EXPECT_EQ(ByteLayout::Get<double>(bytes, 33240), 45123.75);
}

TEST(PuzzleFile, LongTextsAreCutToTheirCapacity) {
    PuzzleRecord record = SamplePuzzle();
    record.Name.Assign(std::string(100, 'N'));
    record.Comments.Assign(std::string(300, 'c'));
    const std::vector<std::uint8_t> bytes = Encoded(record);
    EXPECT_EQ(bytes[32], 80);
    EXPECT_EQ(bytes[112], 'N');
    EXPECT_EQ(bytes[113], 255);
    EXPECT_EQ(bytes[368], 'c');
    EXPECT_EQ(bytes[369], 0);
}

TEST(PuzzleFile, DecodingKeepsEveryByte) {
    std::vector<std::uint8_t> bytes = Encoded(SamplePuzzle());
    bytes[369] = 0xAA;   // reserved
    bytes[33239] = 0xBB; // reserved
    bytes[32] = 200;     // a length past the capacity
    bytes[400] = 0x77;   // a solution value other than 0 and 1
    const PuzzleRecord record = DecodePuzzleRecord(std::span(bytes).first<PuzzleRecordSize>());
    EXPECT_EQ(Encoded(record), bytes);
    EXPECT_EQ(record.Name.Text().size(), 80u);
}

TEST(PuzzleFile, GameTakesExactAndLongerFiles) {
    TempFolder folder;
    const PuzzleRecord sample = SamplePuzzle();
    std::vector<std::uint8_t> bytes = Encoded(sample);
    WriteBytes(folder / "exact.qvf", bytes);
    bytes.resize(PuzzleRecordSize + 500, 0xEE);
    WriteBytes(folder / "longer.qvf", bytes);

    for (const char* name : {"exact.qvf", "longer.qvf"}) {
        PuzzleRecord loaded;
        EXPECT_EQ(ReadGamePuzzleFile(folder / name, loaded), FileReadStatus::Ok) << name;
        EXPECT_EQ(loaded, sample) << name;
    }
}

TEST(PuzzleFile, GameRefusesCorruptedFilesAndKeepsItsPuzzle) {
    const std::vector<std::uint8_t> good = Encoded(SamplePuzzle());
    const auto withInt = [&](std::size_t offset, std::int32_t value) {
        std::vector<std::uint8_t> bytes = good;
        ByteLayout::Put(bytes, offset, value);
        return bytes;
    };
    std::vector<std::uint8_t> badSignature = good;
    badSignature[7] ^= 1;
    const std::string text = "Just a text file\n";

    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"bad signature", badSignature},
        {"one byte short", {good.begin(), good.end() - 1}},
        {"empty", {}},
        {"text", {text.begin(), text.end()}},
        {"width 0", withInt(380, 0)},
        {"width 129", withInt(380, 129)},
        {"height -1", withInt(384, -1)},
        {"height huge", withInt(384, 0x7FFFFFFF)},
    };
    TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        const auto path = folder / (name + ".qvf");
        WriteBytes(path, bytes);
        PuzzleRecord loaded = SamplePuzzle();
        loaded.Name.Assign("kept");
        const PuzzleRecord before = loaded;
        EXPECT_EQ(ReadGamePuzzleFile(path, loaded), FileReadStatus::Corrupted) << name;
        EXPECT_EQ(loaded, before) << name;
    }
}

TEST(PuzzleFile, SizesAtTheBoundsAreTaken) {
    for (const std::int32_t side : {1, 128}) {
        std::vector<std::uint8_t> bytes = Encoded(SamplePuzzle());
        ByteLayout::Put(bytes, 380, side);
        ByteLayout::Put(bytes, 384, side);
        PuzzleRecord loaded;
        EXPECT_EQ(DecodeGamePuzzle(bytes, loaded), FileReadStatus::Ok) << side;
        EXPECT_EQ(loaded.Width, side);
    }
}

TEST(PuzzleFile, MissingFileOrFolderCannotBeOpened) {
    TempFolder folder;
    PuzzleRecord loaded;
    EXPECT_EQ(ReadGamePuzzleFile(folder / "absent.qvf", loaded), FileReadStatus::CannotOpen);
    EXPECT_EQ(ReadGamePuzzleFile(folder.Path(), loaded), FileReadStatus::CannotOpen);
}

TEST(PuzzleFile, RefusalMessagesNameThePath) {
    EXPECT_EQ(FileReadMessage(FileReadStatus::Corrupted, "/home/ann/Puzzles/x.qvf"),
              "The file appears to be corrupted.\r\nUnable to open /home/ann/Puzzles/x.qvf");
    EXPECT_EQ(FileReadMessage(FileReadStatus::CannotOpen, "/tmp/x.qvf"),
              "Cannot open file /tmp/x.qvf");
    EXPECT_EQ(FileReadMessage(FileReadStatus::Ok, "/tmp/x.qvf"), "");
}

TEST(PuzzleFile, SavedGameOpensAsItsPuzzle) {
    GameState game;
    game.Puzzle = SamplePuzzle();
    game.PlayerGrid.Set(1, 1, CellState::Filled);
    game.History.push_back({0, 1, 1, 0, 1});
    game.HistoryIndex = 0;
    TempFolder folder;
    ASSERT_EQ(WriteSavedGameFile(folder / "game.qvs", game), "");

    PuzzleRecord loaded;
    EXPECT_EQ(ReadGamePuzzleFile(folder / "game.qvs", loaded), FileReadStatus::Ok);
    EXPECT_EQ(loaded, game.Puzzle);
}

TEST(PuzzleFile, WriteThenReadRoundTripsByteForByte) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes = Encoded(SamplePuzzle());
    bytes[370] = 0x5A;
    WriteBytes(folder / "in.qvf", bytes);
    PuzzleRecord record;
    ASSERT_EQ(OpenEditorPuzzleFile(folder / "in.qvf", record), FileReadStatus::Ok);
    ASSERT_EQ(WritePuzzleFile(folder / "out.qvf", record), "");
    EXPECT_EQ(ReadBytes(folder / "out.qvf"), bytes);
}

TEST(PuzzleFile, FailedWriteReportsWhyAndLeavesNothing) {
    TempFolder folder;
    const std::string reason = WritePuzzleFile(folder / "missing" / "p.qvf", SamplePuzzle());
    EXPECT_NE(reason.find("Cannot create file"), std::string::npos) << reason;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}
