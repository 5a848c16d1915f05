// Two copies of the game writing solved records and colour schemes to one registry while a third
// reads it: no read is torn and nothing either writer wrote is lost.
#include "appearance/scheme_store.h"
#include "hardening/child_process.h"
#include "hardening/shared_registry.h"
#include "library/solved_records.h"
#include "settings/settings_keys.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

using testing::Optional;

namespace {

// QUORVANE_STRESS_SECONDS runs longer; the default keeps a test run short.
int StressSeconds() {
    const char* text = std::getenv("QUORVANE_STRESS_SECONDS");
    const int seconds = text != nullptr ? std::atoi(text) : 0;
    return seconds > 0 ? seconds : 5;
}

struct WriterLog {
    int Records = 0;
    int Schemes = 0;
};

// Checks that every record and scheme the writer logged is in the registry as it logged it.
WriterLog CheckLogged(RegistryStore& registry, const std::filesystem::path& log) {
    WriterLog counts;
    std::ifstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "record") {
            std::string guid;
            int time = 0;
            int level = 0;
            fields >> guid >> time >> level;
            std::string name;
            std::getline(fields >> std::ws, name);
            const auto key = registry.OpenKey(std::string(SolvedRecordsKey) + "\\" + guid, false);
            if (key == nullptr) {
                ADD_FAILURE() << "lost: " << line;
                continue;
            }
            EXPECT_THAT(key->ReadInteger("Time"), Optional(time)) << line;
            EXPECT_THAT(key->ReadInteger("Level"), Optional(level)) << line;
            EXPECT_THAT(key->ReadString("Puzzlename"), Optional(name)) << line;
            EXPECT_TRUE(key->ReadBinary("Date Completed").has_value()) << line;
            ++counts.Records;
        } else {
            EXPECT_EQ(kind, "scheme") << line;
            ColourSet colours{};
            for (ColourValue& colour : colours)
                fields >> colour;
            std::string name;
            std::getline(fields >> std::ws, name);
            EXPECT_THAT(ReadStoredScheme(registry, name), Optional(colours)) << line;
            ++counts.Schemes;
        }
    }
    return counts;
}

} // namespace

TEST(SharedRegistry, TwoPlayersLoseNothingAndNoReadIsTorn) {
    const TempFolder folder;
    const SharedRegistryPlace place;
    const std::string where = place.Where();
    const std::string seconds = std::to_string(StressSeconds());

    StreamEnd readerInput = NoStream;
    StreamEnd readerFeed = NoStream;
    ASSERT_TRUE(MakePipe(readerInput, readerFeed));
    const StreamEnd readerOutput = CreateOutputFile(folder / "reader.out");
    const ChildId reader = SpawnHelper({REGISTRY_PLAYER, "read", where}, readerInput, readerOutput);
    CloseStream(readerInput);
    CloseStream(readerOutput);
    ASSERT_NE(reader, NoChild);

    std::vector<ChildId> writers;
    for (const std::string tag : {"A", "B"}) {
        const StreamEnd log = CreateOutputFile(folder / (tag + ".log"));
        writers.push_back(
            SpawnHelper({REGISTRY_PLAYER, "write", where, tag, seconds}, NoStream, log));
        CloseStream(log);
        ASSERT_NE(writers.back(), NoChild);
    }
    for (const ChildId writer : writers)
        EXPECT_TRUE(ExitedCleanly(WaitFor(writer)));
    CloseStream(readerFeed); // the reader stops at the end of its input
    EXPECT_TRUE(ExitedCleanly(WaitFor(reader)));

    const std::unique_ptr<RegistryStore> shared = OpenSharedRegistry(where);
    RegistryStore& registry = *shared;
    WriterLog total;
    for (const std::string tag : {"A", "B"}) {
        const WriterLog logged = CheckLogged(registry, folder / (tag + ".log"));
        EXPECT_GT(logged.Records, 0) << tag;
        EXPECT_GT(logged.Schemes, 0) << tag;
        total.Records += logged.Records;
        total.Schemes += logged.Schemes;
    }
    EXPECT_EQ(registry.OpenKey(SolvedRecordsKey, false)->SubkeyNames().size(),
              static_cast<std::size_t>(total.Records));
    EXPECT_EQ(StoredSchemeNames(registry).size(), static_cast<std::size_t>(total.Schemes));
#ifndef _WIN32
    EXPECT_FALSE(std::filesystem::exists(where + ".damaged"));
#endif

    std::ifstream tally(folder / "reader.out");
    std::string readerLine;
    std::getline(tally, readerLine);
    std::istringstream fields(readerLine);
    std::string word;
    long reads = 0;
    long torn = -1;
    fields >> word >> reads >> word >> torn;
    EXPECT_GT(reads, 0) << readerLine;
    EXPECT_EQ(torn, 0) << readerLine;
    std::cout << "[ players ] " << seconds << " s: " << total.Records << " records and "
              << total.Schemes << " schemes written; reader: " << readerLine << '\n';
    RecordProperty("records", total.Records);
    RecordProperty("schemes", total.Schemes);
    RecordProperty("reads", static_cast<int>(reads));
    RecordProperty("torn", static_cast<int>(torn));
}
