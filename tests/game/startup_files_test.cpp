// The main window's folders and the kind of file named on its command line.
#include "game/startup_files.h"
#include "settings/memory_registry.h"
#include "support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string Settings = "Software\\Quorvane";

void Touch(const fs::path& path) {
    std::ofstream(path) << "x";
}

} // namespace

TEST(StartupFilesTest, LastPuzzleDirIsUsedOnlyWhenItNamesAnExistingFolder) {
    TempFolder folder;
    const fs::path program = folder / "program";
    const fs::path chosen = folder / "chosen";
    fs::create_directory(chosen);
    const fs::path deleted = folder / "deleted";
    const fs::path file = folder / "file.qvf";
    Touch(file);

    struct Case {
        std::string_view Title;
        std::function<void(RegistryKey&)> Store;
        fs::path Expected;
    };
    const Case cases[] = {
        {"existing folder",
         [&](RegistryKey& k) { k.WriteString("LastPuzzleDir", chosen.string()); }, chosen},
        {"deleted folder",
         [&](RegistryKey& k) { k.WriteString("LastPuzzleDir", deleted.string()); },
         program / "Puzzles"},
        {"a file", [&](RegistryKey& k) { k.WriteString("LastPuzzleDir", file.string()); },
         program / "Puzzles"},
        {"empty", [](RegistryKey& k) { k.WriteString("LastPuzzleDir", ""); }, program / "Puzzles"},
        {"of integer type", [](RegistryKey& k) { k.WriteInteger("LastPuzzleDir", 1); },
         program / "Puzzles"},
        {"missing", [](RegistryKey&) {}, program / "Puzzles"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        MemoryRegistry registry;
        c.Store(*registry.OpenKey(Settings, true));

        const ProgramFolders folders = ResolveProgramFolders(registry, program);
        EXPECT_EQ(folders.ProgramFolder, program);
        EXPECT_EQ(folders.PuzzleFolder, c.Expected);
        EXPECT_EQ(folders.SavedGamesFolder, program / "Saved Games");
    }
}

TEST(StartupFilesTest, ResolvingCreatesTheSettingsKey) {
    MemoryRegistry registry;
    ResolveProgramFolders(registry, "/opt/quorvane");
    EXPECT_TRUE(registry.KeyExists(Settings));
}

TEST(StartupFilesTest, EnsureFolderMakesOneLevelOnly) {
    TempFolder folder;
    Touch(folder / "file");
    struct Case {
        std::string_view Title;
        fs::path Folder;
        bool Made;
    };
    const Case cases[] = {
        {"one missing level", folder / "Puzzles", true},
        {"already there", folder.Path(), true},
        {"two missing levels", folder / "a" / "b", false},
        {"a file in the way", folder / "file", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        EXPECT_EQ(EnsureFolder(c.Folder), c.Made);
        EXPECT_EQ(fs::is_directory(c.Folder), c.Made);
    }
    EXPECT_FALSE(fs::exists(folder / "a"));
    EXPECT_TRUE(fs::is_regular_file(folder / "file"));
}

TEST(StartupFilesTest, SavedGamesMoveToTheUserDataFolderOnlyWhenTheProgramFolderRefusesThem) {
    struct Case {
        std::string_view Title;
        std::function<void(const fs::path& program)> Prepare;
        bool UserDataUsable;
        std::string SavedGames; // "program" or "user"
        int Failed;
    };
    const Case cases[] = {
        {"portable folder", [](const fs::path&) {}, true, "program", 0},
        {"installed, saved games blocked", [](const fs::path& p) { Touch(p / "Saved Games"); },
         true, "user", 0},
        {"installed, no data folder either", [](const fs::path& p) { Touch(p / "Saved Games"); },
         false, "program", 1},
        {"puzzles blocked too",
         [](const fs::path& p) {
             fs::remove(p / "Puzzles");
             Touch(p / "Puzzles");
             Touch(p / "Saved Games");
         },
         true, "user", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        TempFolder folder;
        const fs::path program = folder / "program";
        fs::create_directories(program / "Puzzles");
        c.Prepare(program);
        // A data folder below a file can never be made.
        Touch(folder / "file");
        const fs::path userData =
            c.UserDataUsable ? folder / "data" / "Quorvane" : folder / "file" / "Quorvane";
        ProgramFolders folders{program, program / "Puzzles", program / "Saved Games"};

        EXPECT_EQ(PrepareFolders(folders, userData), c.Failed);
        const fs::path expected =
            c.SavedGames == "user" ? userData / "Saved Games" : program / "Saved Games";
        EXPECT_EQ(folders.SavedGamesFolder, expected);
        EXPECT_EQ(folders.PuzzleFolder, program / "Puzzles");
        EXPECT_EQ(fs::is_directory(expected), c.Failed == 0 || c.SavedGames == "user");
        EXPECT_EQ(fs::exists(folder / "data"), c.SavedGames == "user");
        EXPECT_EQ(std::distance(fs::directory_iterator(program), {}), 2) << "probe left behind";
    }
}

TEST(StartupFilesTest, ReadOnlySavedGamesBesideTheProgramAreLeftForTheUserDataFolder) {
    TempFolder folder;
    const fs::path program = folder / "program";
    fs::create_directories(program / "Saved Games");
    fs::permissions(program / "Saved Games",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (std::ofstream(program / "Saved Games" / "x"))
        GTEST_SKIP() << "this user writes into read-only folders";
    ProgramFolders folders{program, program / "Puzzles", program / "Saved Games"};

    EXPECT_EQ(PrepareFolders(folders, folder / "data"), 0);
    EXPECT_EQ(folders.SavedGamesFolder, folder / "data" / "Saved Games");
}

TEST(StartupFilesTest, JoinArgumentsRestoresAPathSplitAtItsBlanks) {
    struct Case {
        std::vector<std::string> Arguments;
        std::string Joined;
    };
    const Case cases[] = {
        {{"/home/me/My", "Puzzles/big", "cat.qvf"}, "/home/me/My Puzzles/big cat.qvf"},
        {{"one.qvf"}, "one.qvf"},
        {{}, ""},
        {{"a", ""}, "a"},
        {{"a  ", "", " "}, "a"},
        {{"", "a"}, " a"},
        {{"a  b"}, "a  b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinArguments(c.Arguments), c.Joined) << testing::PrintToString(c.Arguments);
}

TEST(StartupFilesTest, StartupFileKindFollowsTheExtensionOfAnExistingFile) {
    TempFolder folder;
    for (const char* name : {"x.qvf", "x.QvF", "x.QVS", "x.txt", "noext", "x.qvf.txt", "x.txt.qvs"})
        Touch(folder / name);
    fs::create_directory(folder / "d.qvf");
    struct Case {
        std::string Name;
        StartupFileKind Kind;
    };
    const Case cases[] = {
        {"x.qvf", StartupFileKind::Puzzle},        {"x.QvF", StartupFileKind::Puzzle},
        {"x.QVS", StartupFileKind::SavedGame},     {"x.txt", StartupFileKind::None},
        {"noext", StartupFileKind::None},          {"x.qvf.txt", StartupFileKind::None},
        {"x.txt.qvs", StartupFileKind::SavedGame}, {"d.qvf", StartupFileKind::None},
        {"y.qvf", StartupFileKind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartupFileKindOf(folder / c.Name), c.Kind) << c.Name;
}

TEST(StartupFilesTest, TrailingBlankAfterTheExtensionIsIgnored) {
    TempFolder folder;
    const fs::path path = folder / "z.qvf ";
    Touch(path);
    if (!fs::is_regular_file(path))
        GTEST_SKIP() << "this file system keeps no trailing blank in a name";
    EXPECT_EQ(StartupFileKindOf(path), StartupFileKind::Puzzle);
}
