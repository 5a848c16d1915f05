// Every file the program writes, failed at each write, fsync, rename and folder fsync in turn: the
// file on disk is always one whole version, nothing is left beside it, and the next try writes it
// complete.
#include "appearance/scheme_store.h"
#include "hardening/file_faults.h"
#include "hardening/large_game.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "settings/file_registry.h"
#include "settings/regedit_format.h"
#include "support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

using testing::HasSubstr;

namespace {

// Small writes give a 64 by 64 saved game some thirty write calls to fail.
constexpr std::size_t WriteChunk = 4096;

struct FaultTally {
    int Faults = 0;   // faults injected
    int Refused = 0;  // saves that reported failure
    int Intact = 0;   // files found whole, as one version written before the fault
    int LeftOver = 0; // folders holding a file that should not be there
    int Retried = 0;  // saves that stood or wrote a complete file once the fault cleared
};

void Report(const char* what, const FaultTally& tally) {
    std::cout << "[ faults ] " << what << ": " << tally.Faults << " faults, " << tally.Refused
              << " saves refused, " << tally.Intact << " files intact, " << tally.LeftOver
              << " stray files, " << tally.Retried << " complete retries\n";
    testing::Test::RecordProperty("faults", tally.Faults);
    testing::Test::RecordProperty("intact", tally.Intact);
    testing::Test::RecordProperty("stray", tally.LeftOver);
}

std::ptrdiff_t Entries(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

// One save under test: how it starts, what it does and how its outcome is judged.
struct SaveSteps {
    std::function<void()> Prepare;              // puts the files back as they were before it
    std::function<std::string()> Save;          // empty when saved, else the reason shown
    std::function<bool(int renamesDone)> Whole; // the file is the version after that many renames
    std::function<bool()> Retry;                // the fault cleared: saving again gives it whole
    bool GivesReason = true;                    // the failure names the system's error
};

// The save once without faults, counting its calls, then once under each fault it can meet.
FaultTally SweepFaults(const std::filesystem::path& folder, const SaveSteps& steps) {
    FileFaults faults;
    faults.MaxWriteBytes = WriteChunk;
    int renamesDone = 0;
    faults.AfterRename = [&](const std::filesystem::path&) { ++renamesDone; };
    steps.Prepare();
    const std::ptrdiff_t entries = Entries(folder);
    EXPECT_EQ(steps.Save(), "");
    const std::vector<FileFault> every = EveryFault(faults);
    EXPECT_GT(faults.Count(FileCall::Write), 1);
#ifndef _WIN32
    // Each rename is made lasting by a sync of its folder.
    EXPECT_EQ(faults.Count(FileCall::FsyncFolder), faults.Count(FileCall::Rename));
#endif

    FaultTally tally;
    for (const FileFault& fault : every) {
        SCOPED_TRACE(Describe(fault));
        steps.Prepare();
        renamesDone = 0;
        const int failedBefore = faults.Failed();
        faults.Arm(fault);
        const std::string reason = steps.Save();
        faults.Disarm();
        tally.Faults += faults.Failed() - failedBefore;
        EXPECT_EQ(faults.Failed(), failedBefore + 1);
        if (!reason.empty())
            ++tally.Refused;
        // A folder that cannot be synced holds the new version whole all the same: the save
        // stands, and telling the player it failed would only make the two disagree.
        if (fault.Call == FileCall::FsyncFolder) {
            EXPECT_EQ(reason, "");
        } else {
            EXPECT_NE(reason, "");
            if (steps.GivesReason) {
                EXPECT_THAT(reason, HasSubstr(SystemErrorText(fault.Error)));
            }
        }
        if (steps.Whole(renamesDone))
            ++tally.Intact;
        else
            ADD_FAILURE() << "torn after " << renamesDone << " renames";
        if (Entries(folder) != entries) {
            ++tally.LeftOver;
            ADD_FAILURE() << "a stray file is left";
        }
        // A save that stood has nothing to try again.
        if (reason.empty() || steps.Retry())
            ++tally.Retried;
        else
            ADD_FAILURE() << "the save after the fault is not complete";
        EXPECT_EQ(Entries(folder), entries);
    }
    return tally;
}

// A game saved once, then played on: the old file and the game a save must write.
struct GameFiles {
    TempFolder Folder;
    std::filesystem::path Path = Folder / "large.qvs";
    std::vector<std::uint8_t> Old;
    GameSession Session = PlayedLargeGame(7, 400);

    GameFiles() {
        EXPECT_EQ(WriteSavedGameFile(Path, Session.Game()), "");
        Old = ReadBytes(Path);
        std::mt19937 random(8);
        PlayScript(Session, Session.Game(), random, 200);
        EXPECT_NE(EncodeSavedGame(Session.Game()), Old);
    }
};

} // namespace

TEST(WriteFaults, SavedGameIsTheOldOrTheNewOneWhole) {
    GameFiles files;
    const GameState& game = files.Session.Game();
    const std::vector<std::uint8_t> expected = EncodeSavedGame(game);
    const FaultTally tally =
        SweepFaults(files.Folder.Path(),
                    {[&] { WriteBytes(files.Path, files.Old); },
                     [&] { return WriteSavedGameFile(files.Path, game); },
                     [&](int renames) {
                         return ReadBytes(files.Path) == (renames == 0 ? files.Old : expected);
                     },
                     [&] {
                         SavedGame read;
                         return WriteSavedGameFile(files.Path, game).empty() &&
                                ReadBytes(files.Path) == expected &&
                                ReadSavedGameFile(files.Path, read) == FileReadStatus::Ok;
                     }});
    EXPECT_EQ(tally.Intact, tally.Faults);
    Report("saved game", tally);
}

TEST(WriteFaults, PuzzleFileIsTheOldOrTheNewOneWhole) {
    TempFolder folder;
    const std::filesystem::path path = folder / "large.qvf";
    PuzzleRecord puzzle = LargePuzzle();
    ASSERT_EQ(WritePuzzleFile(path, puzzle), "");
    const std::vector<std::uint8_t> old = ReadBytes(path);
    puzzle.Solution.At(3, 5) = !puzzle.Solution.At(3, 5);
    puzzle.Name.Assign("Large, edited");
    const FaultTally tally = SweepFaults(
        folder.Path(),
        {[&] { WriteBytes(path, old); }, [&] { return WritePuzzleFile(path, puzzle); },
         [&](int renames) {
             PuzzleRecord read;
             return renames == 0
                        ? ReadBytes(path) == old
                        : ReadGamePuzzleFile(path, read) == FileReadStatus::Ok && read == puzzle;
         },
         [&] {
             PuzzleRecord read;
             return WritePuzzleFile(path, puzzle).empty() &&
                    ReadGamePuzzleFile(path, read) == FileReadStatus::Ok && read == puzzle &&
                    std::filesystem::file_size(path) == PuzzleRecordSize;
         }});
    EXPECT_EQ(tally.Intact, tally.Faults);
    Report("puzzle file", tally);
}

namespace {

// A registry file holding earlier records and a scheme, and the version one change writes.
struct RegistryFiles {
    TempFolder Folder;
    std::filesystem::path File = Folder / "HKCU.reg";
    std::vector<std::uint8_t> Initial;
    std::unique_ptr<FileRegistry> Registry;
    std::vector<std::vector<std::uint8_t>> Versions; // before the change, then after its rename

    RegistryFiles() {
        FileRegistry registry(File);
        for (std::uint32_t i = 0; i < 20; ++i)
            EXPECT_EQ(WriteSolvedRecord(registry, Solved(i), 100 + static_cast<int>(i), 45000.0),
                      RecordWrite::Written);
        EXPECT_EQ(SaveScheme(registry, "Earlier", DefaultScheme).Outcome, SchemeSave::Saved);
        Initial = ReadBytes(File);
    }

    static PuzzleRecord Solved(std::uint32_t number) {
        PuzzleRecord puzzle = LargePuzzle();
        puzzle.PuzzleId.Data1 = number;
        puzzle.Name.Assign("Solved " + std::to_string(number));
        return puzzle;
    }

    // Each try starts from the file as it was and a program that has just read it.
    void Prepare() {
        WriteBytes(File, Initial);
        Registry = std::make_unique<FileRegistry>(File);
    }

    // The file before and after one unbroken change, which renames once: a record or a scheme is
    // written whole or not at all.
    void RecordVersions(const std::function<bool()>& change) {
        Prepare();
        Versions.assign(1, Initial);
        FileFaults recorder;
        recorder.AfterRename = [&](const std::filesystem::path&) {
            Versions.push_back(ReadBytes(File));
        };
        EXPECT_TRUE(change());
        EXPECT_EQ(Versions.size(), 2u);
    }

    bool IsVersion(int renames) const {
        const std::vector<std::uint8_t> bytes = ReadBytes(File);
        const std::string text(bytes.begin(), bytes.end());
        return static_cast<std::size_t>(renames) < Versions.size() &&
               bytes == Versions[static_cast<std::size_t>(renames)] &&
               ParseRegedit(text).SkippedLines == 0;
    }

    // The earlier records and scheme, read by another program.
    bool EarlierEntriesKept() const {
        FileRegistry reader(File);
        for (std::uint32_t i = 0; i < 20; ++i) {
            const auto key = reader.OpenKey(SolvedRecordKey(Solved(i).PuzzleId), false);
            if (!key || key->ReadInteger("Time") != 100 + static_cast<int>(i))
                return false;
        }
        return ReadStoredScheme(reader, "Earlier") == DefaultScheme;
    }
};

} // namespace

// A fault anywhere leaves the file as it was, without part of the record, so the same solve
// writes the whole record once the fault clears.
TEST(WriteFaults, RegistryFileIsAlwaysOneWholeVersionUnderASolvedRecord) {
    RegistryFiles files;
    const PuzzleRecord puzzle = RegistryFiles::Solved(99);
    const auto write = [&] { return WriteSolvedRecord(*files.Registry, puzzle, 77, 46000.25); };
    files.RecordVersions([&] { return write() == RecordWrite::Written; });
    const FaultTally tally =
        SweepFaults(files.Folder.Path(),
                    {[&] { files.Prepare(); },
                     [&] { return write() == RecordWrite::Written ? std::string() : "refused"; },
                     [&](int renames) { return files.IsVersion(renames); },
                     [&] {
                         if (write() != RecordWrite::Written)
                             return false;
                         FileRegistry reader(files.File);
                         const auto key = reader.OpenKey(SolvedRecordKey(puzzle.PuzzleId), false);
                         return ReadBytes(files.File) == files.Versions.back() && key &&
                                key->ReadInteger("Time") == 77 &&
                                key->ReadString("Puzzlename") == "Solved 99" &&
                                key->ReadInteger("Level") == puzzle.Level &&
                                key->ReadBinary("Date Completed").has_value() &&
                                files.EarlierEntriesKept();
                     },
                     false});
    EXPECT_EQ(tally.Intact, tally.Faults);
    Report("registry, solved record", tally);
}

TEST(WriteFaults, RegistryFileIsAlwaysOneWholeVersionUnderASchemeSave) {
    RegistryFiles files;
    ColourSet colours{};
    for (std::size_t role = 0; role < colours.size(); ++role)
        colours[role] = RgbColour(static_cast<int>(role) * 20, 7, 200);
    const auto save = [&] { return SaveScheme(*files.Registry, "Dusk", colours).Outcome; };
    files.RecordVersions([&] { return save() == SchemeSave::Saved; });
    const FaultTally tally = SweepFaults(
        files.Folder.Path(),
        {[&] { files.Prepare(); },
         [&] { return save() == SchemeSave::Saved ? std::string() : "refused"; },
         [&](int renames) { return files.IsVersion(renames); },
         [&] {
             // Saving again once the fault clears writes what the unbroken save wrote.
             FileRegistry reader(files.File);
             return save() == SchemeSave::Saved && ReadBytes(files.File) == files.Versions.back() &&
                    ReadStoredScheme(reader, "Dusk") == colours && files.EarlierEntriesKept();
         },
         false});
    EXPECT_EQ(tally.Intact, tally.Faults);
    Report("registry, colour scheme", tally);
}
