// Scanning a puzzle folder: which files become rows, what a row holds, and what counts as solved.
#include "library/puzzle_folder_fixture.h"
#include "library/puzzle_folder_scan.h"
#include "library/solved_records.h"
#include "settings/memory_registry.h"

#include <algorithm>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::vector<std::string> FileNames(const PuzzleFolderScan& scan) {
    std::vector<std::string> names;
    for (const PuzzleFolderRow& row : scan.Rows)
        names.push_back(row.FileName);
    std::sort(names.begin(), names.end());
    return names;
}

const PuzzleFolderRow* RowOf(const PuzzleFolderScan& scan, const std::string& fileName) {
    const auto found =
        std::find_if(scan.Rows.begin(), scan.Rows.end(),
                     [&](const PuzzleFolderRow& row) { return row.FileName == fileName; });
    return found == scan.Rows.end() ? nullptr : &*found;
}

} // namespace

TEST(PuzzleFolderScan, ListsEveryValidPuzzleFileAndPassesOverTheRest) {
    TempFolder folder;
    ASSERT_EQ(WriteTestPuzzle(folder, {"a.qvf", "A", 1, "Ann", 0, 1}), "");
    ASSERT_EQ(WriteTestPuzzle(folder, {"UPPER.QVF", "B", 1, "Ann", 0, 2}), "");
    ASSERT_EQ(WriteTestPuzzle(folder, {"z.qvf", "C", 1, "Ann", 0, 3}), "");
    // Valid contents under another extension are not puzzle files.
    ASSERT_EQ(WriteTestPuzzle(folder, {"copy.txt", "D", 1, "Ann", 0, 4}), "");
    WriteBrokenPuzzleFiles(folder);
    std::filesystem::create_directory(folder / "folder.qvf");

    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    EXPECT_EQ(FileNames(scan), (std::vector<std::string>{"UPPER.QVF", "a.qvf", "z.qvf"}));
}

#ifndef _WIN32
// A link stands for the file it names; a pipe, reached directly or through a link, has no writer
// and must not hold up the scan.
TEST(PuzzleFolderScan, FollowsLinksAndPassesOverPipesWithoutWaiting) {
    TempFolder folder;
    ASSERT_EQ(WriteTestPuzzle(folder, {"a.qvf", "A", 1, "Ann", 0, 1}), "");
    std::filesystem::create_symlink(folder / "a.qvf", folder / "link.qvf");
    ASSERT_EQ(::mkfifo((folder / "pipe.qvf").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder / "pipe.qvf", folder / "link to pipe.qvf");

    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    EXPECT_EQ(FileNames(scan), (std::vector<std::string>{"a.qvf", "link.qvf"}));
}
#endif

// Names beyond the ANSI code page, in the folder's name and the file's, are saved and listed as
// they are, in UTF-8.
TEST(PuzzleFolderScan, SavesAndListsInAFolderWithANonAsciiName) {
    TempFolder temporary;
    const std::filesystem::path folder = temporary.Path() / u8"R\u00e4tsel \u2713";
    std::filesystem::create_directory(folder);
    const std::u8string fileName = u8"K\u00e4tzchen \u2713.qvf";
    ASSERT_EQ(WritePuzzleFile(folder / fileName, TestPuzzle({"", "K", 1, "Ann", 0, 1})), "");
    ASSERT_EQ(WritePuzzleFile(folder / fileName, TestPuzzle({"", "K", 2, "Ann", 0, 1})), "");

    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder, registry);
    ASSERT_EQ(scan.Rows.size(), 1u);
    EXPECT_EQ(scan.Rows[0].FileName, std::string(fileName.begin(), fileName.end()));
    EXPECT_EQ(scan.Rows[0].Level, 2);
}

TEST(PuzzleFolderScan, RowHoldsTheRecordsShownFields) {
    TempFolder folder;
    // A length byte beyond the capacity is held to the 80 characters there are.
    PuzzleRecord record = TestPuzzle({"p.qvf", "Caf\xE9", 12, "Zo\xEB", 44317.5, 7});
    record.Creator.Length = 200;
    ASSERT_EQ(WritePuzzleFile(folder / "p.qvf", record), "");

    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    ASSERT_EQ(scan.Rows.size(), 1u);
    const PuzzleFolderRow& row = scan.Rows[0];
    EXPECT_EQ(row.FileName, "p.qvf");
    EXPECT_EQ(row.Name, "Caf\xC3\xA9");
    EXPECT_EQ(row.Level, 12);
    // All 80 characters, the e with diaeresis taking two bytes in UTF-8.
    EXPECT_EQ(row.Creator.substr(0, 4), "Zo\xC3\xAB");
    EXPECT_EQ(row.Creator.size(), 81u);
    EXPECT_EQ(row.DateCreated, 44317.5);
    EXPECT_EQ(row.PuzzleId, TestPuzzleId(7));
    EXPECT_FALSE(row.Solved);
}

TEST(PuzzleFolderScan, SolvedWhenARecordKeyNamesThePuzzleInAnyCase) {
    TempFolder folder;
    ASSERT_EQ(WriteTestPuzzle(folder, {"upper.qvf", "A", 1, "Ann", 0, 0xA1}), "");
    ASSERT_EQ(WriteTestPuzzle(folder, {"lower.qvf", "B", 1, "Ann", 0, 0xB2}), "");
    ASSERT_EQ(WriteTestPuzzle(folder, {"open.qvf", "C", 1, "Ann", 0, 0xC3}), "");
    MemoryRegistry registry;
    ASSERT_EQ(WriteSolvedRecord(registry, TestPuzzle({"", "A", 1, "Ann", 0, 0xA1}), 5, 0),
              RecordWrite::Written);
    std::string lowerKey = SolvedRecordKey(TestPuzzleId(0xB2));
    std::transform(lowerKey.begin(), lowerKey.end(), lowerKey.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    ASSERT_NE(registry.OpenKey(lowerKey, true), nullptr);
    // A record for a puzzle that is not in the folder marks nothing.
    ASSERT_NE(registry.OpenKey(SolvedRecordKey(TestPuzzleId(0xD4)), true), nullptr);

    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    ASSERT_EQ(scan.Rows.size(), 3u);
    EXPECT_TRUE(RowOf(scan, "upper.qvf")->Solved);
    EXPECT_TRUE(RowOf(scan, "lower.qvf")->Solved);
    EXPECT_FALSE(RowOf(scan, "open.qvf")->Solved);
}

// The solution takes 32 KiB of each record; a row needs under 500 bytes of it.
TEST(PuzzleFolderScan, ReadsOnlyTheHeadAndTailOfEachRecord) {
    TempFolder folder;
    for (std::uint32_t id = 1; id <= 3; ++id)
        ASSERT_EQ(WriteTestPuzzle(folder, {std::to_string(id) + ".qvf", "P", 1, "Ann", 0, id}), "");
    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    ASSERT_EQ(scan.Rows.size(), 3u);
    EXPECT_LE(scan.BytesRead, 3u * 500u);
}

// The browser once listed files the game then refused: it lists exactly those the game opens.
TEST(PuzzleFolderScan, ListsOnlyFilesTheGameOpens) {
    TempFolder folder;
    const auto write = [&](const std::string& fileName, int width, int height, std::size_t length) {
        PuzzleRecord record = TestPuzzle({fileName, "P", 1, "Ann", 0, 1});
        record.Width = width;
        record.Height = height;
        std::vector<std::uint8_t> bytes(std::max(length, PuzzleRecordSize));
        EncodePuzzleRecord(record, std::span(bytes).first<PuzzleRecordSize>());
        WriteBytes(folder / fileName, std::span(bytes).first(length));
    };
    write("smallest.qvf", 1, 1, PuzzleRecordSize);
    write("largest.qvf", 128, 128, PuzzleRecordSize + 10);
    write("width 0.qvf", 0, 5, PuzzleRecordSize);
    write("width 129.qvf", 129, 5, PuzzleRecordSize);
    write("height 0.qvf", 5, 0, PuzzleRecordSize);
    write("height 129.qvf", 5, 129, PuzzleRecordSize);
    write("a byte short.qvf", 5, 5, PuzzleRecordSize - 1);

    MemoryRegistry registry;
    const PuzzleFolderScan scan = ScanPuzzleFolder(folder.Path(), registry);
    EXPECT_EQ(FileNames(scan), (std::vector<std::string>{"largest.qvf", "smallest.qvf"}));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        PuzzleRecord loaded;
        const bool opens = ReadGamePuzzleFile(entry.path(), loaded) == FileReadStatus::Ok;
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(RowOf(scan, name) != nullptr, opens) << name;
    }
}
