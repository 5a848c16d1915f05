// A program killed at any step of a save leaves the file as one whole version: the one before the
// save or the one it was writing; the temporary file it leaves goes at the next save.
#include "base/atomic_file.h"
#include "hardening/child_process.h"
#include "hardening/large_game.h"
#include "hardening/whole_file.h"
#include "model/saved_game_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <iostream>
#include <map>

namespace {

constexpr int Kills = 500;
// How many of the saver's steps pass before the kill: up to about three whole saves.
constexpr std::uint32_t MostSteps = 40;

// Reads until count letters came or the pipe closed; returns the last letter, or 0.
char ReadSteps(StreamEnd steps, std::uint32_t count) {
    char last = 0;
    char buffer[64];
    while (count > 0) {
        const std::ptrdiff_t got =
            ReadStream(steps, buffer, std::min<std::size_t>(count, sizeof buffer));
        if (got <= 0)
            return 0;
        last = buffer[got - 1];
        count -= static_cast<std::uint32_t>(got);
    }
    return last;
}

int FilesBeside(const std::filesystem::path& target) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path()))
        count += entry.path() != target;
    return count;
}

} // namespace

TEST(KilledSave, LeavesOneWholeSavedGame) {
    TempFolder folder;
    const std::array<std::vector<std::uint8_t>, 2> contents = {
        EncodeSavedGame(PlayedLargeGame(1, 300).Game()),
        EncodeSavedGame(PlayedLargeGame(2, 900).Game())};
    ASSERT_NE(contents[0].size(), contents[1].size());
    WriteBytes(folder / "first", contents[0]);
    WriteBytes(folder / "second", contents[1]);
    const std::filesystem::path saves = folder / "saves";
    std::filesystem::create_directory(saves);
    const std::filesystem::path target = saves / "killed.qvs";

    const std::uint32_t seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::map<char, int> killedAfter; // the last step reported before each kill
    std::array<int, 2> found{};
    int torn = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        StreamEnd stepsRead = NoStream;
        StreamEnd stepsWritten = NoStream;
        ASSERT_TRUE(MakePipe(stepsRead, stepsWritten));
        const ChildId saver =
            SpawnHelper({ATOMIC_SAVER, target.string(), (folder / "first").string(),
                         (folder / "second").string()},
                        NoStream, stepsWritten);
        CloseStream(stepsWritten);
        ASSERT_NE(saver, NoChild);
        // The file exists from the first kill on: wait for one whole save then.
        const std::uint32_t steps = (kill == 0 ? 12 : 1) + random() % MostSteps;
        const char last = ReadSteps(stepsRead, steps);
        KillHelper(saver);
        const int status = WaitFor(saver);
        CloseStream(stepsRead);
        ASSERT_TRUE(WasKilled(status)) << "the saver stopped by itself: " << status;
        ASSERT_NE(last, 0);
        ++killedAfter[last];

        const std::vector<std::uint8_t> bytes = ReadWholeFile(target);
        if (bytes == contents[0])
            ++found[0];
        else if (bytes == contents[1])
            ++found[1];
        else {
            ++torn;
            ADD_FAILURE() << "torn file of " << bytes.size() << " bytes after kill " << kill
                          << ", which came after step " << last;
        }
    }
    // A killed save leaves its temporary file, and each saver's first save removed the one the
    // saver before it left; they used to pile up, one for most kills.
    const int temporaries = FilesBeside(target);
    ASSERT_EQ(WriteFileAtomically(target, contents[0]), "");
    EXPECT_EQ(FilesBeside(target), 0) << "temporary files of killed saves are left";
    EXPECT_EQ(found[0] + found[1], Kills);
    EXPECT_GT(found[0], 0);
    EXPECT_GT(found[1], 0);
    std::cout << "[ kills ] " << Kills << " kills: " << found[0] << " first and " << found[1]
              << " second version whole, " << torn << " torn; killed after write "
              << killedAfter['w'] << ", fsync " << killedAfter['f'] << ", rename "
              << killedAfter['r'] << ", whole save " << killedAfter['s'] << "; " << temporaries
              << " temporary files beside it after the last kill\n";
    RecordProperty("kills", Kills);
    RecordProperty("torn", torn);
}
