// Solved-puzzle records: creation, keeping the best time, and what counts as no stored time.
#include "library/solved_records.h"
#include "model/puzzle_record.h"
#include "settings/memory_registry.h"

#include <gtest/gtest.h>

namespace {

const Guid PuzzleId{0x0123ABCD, 0x4567, 0x89EF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
const std::string RecordKey =
    "Software\\Quorvane\\Completed\\{0123ABCD-4567-89EF-0123-456789ABCDEF}";

// 1 May 2021 at noon; its bytes little-endian.
constexpr double SolvedAt = 44317.5;
const std::vector<std::uint8_t> SolvedAtBytes = {0x00, 0x00, 0x00, 0x00, 0xB0, 0xA3, 0xE5, 0x40};

PuzzleRecord Puzzle(const char* cp1252Name, int level) {
    PuzzleRecord puzzle;
    puzzle.PuzzleId = PuzzleId;
    puzzle.Name.Assign(cp1252Name);
    puzzle.Level = level;
    return puzzle;
}

struct StoredRecord {
    std::optional<std::int32_t> Time;
    std::optional<std::string> Name;
    std::optional<std::vector<std::uint8_t>> Date;
    std::optional<std::int32_t> Level;

    bool operator==(const StoredRecord&) const = default;
};

StoredRecord ReadRecord(RegistryStore& registry) {
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(RecordKey, false);
    if (key == nullptr)
        return {};
    return {key->ReadInteger("Time"), key->ReadString("Puzzlename"),
            key->ReadBinary("Date Completed"), key->ReadInteger("Level")};
}

} // namespace

TEST(SolvedRecords, FirstSolveCreatesTheKeyWithAllFourValues) {
    MemoryRegistry registry;
    EXPECT_FALSE(SolvedRecordExists(registry, PuzzleId));

    EXPECT_EQ(WriteSolvedRecord(registry, Puzzle("Caf\xE9", 4), 95, SolvedAt),
              RecordWrite::Written);
    EXPECT_TRUE(SolvedRecordExists(registry, PuzzleId));
    const StoredRecord expected{95, "Caf\xC3\xA9", SolvedAtBytes, 4};
    EXPECT_EQ(ReadRecord(registry), expected);
}

TEST(SolvedRecords, OnlyAStrictlyFasterSolveReplacesTheRecord) {
    struct Case {
        int seconds;
        bool replaces;
    };
    const Case cases[] = {{121, false}, {120, false}, {119, true}, {0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.seconds << " seconds");
        MemoryRegistry registry;
        WriteSolvedRecord(registry, Puzzle("Old", 2), 120, SolvedAt);
        const StoredRecord first = ReadRecord(registry);

        EXPECT_EQ(WriteSolvedRecord(registry, Puzzle("New", 7), c.seconds, SolvedAt + 3),
                  c.replaces ? RecordWrite::Written : RecordWrite::Kept);
        const StoredRecord second = ReadRecord(registry);
        if (c.replaces) {
            const StoredRecord expected{c.seconds, "New", second.Date, 7};
            EXPECT_EQ(second, expected);
            EXPECT_NE(second.Date, first.Date);
        } else {
            EXPECT_EQ(second, first);
        }
    }
}

TEST(SolvedRecords, ZeroSecondsCanNeverBeImproved) {
    MemoryRegistry registry;
    WriteSolvedRecord(registry, Puzzle("Quick", 1), 0, SolvedAt);
    EXPECT_EQ(WriteSolvedRecord(registry, Puzzle("Quick", 1), 0, SolvedAt + 1), RecordWrite::Kept);
    EXPECT_EQ(ReadRecord(registry).Time, 0);
    EXPECT_EQ(ReadRecord(registry).Date, SolvedAtBytes);
}

TEST(SolvedRecords, UnusableStoredTimeCountsAsAbsent) {
    struct Case {
        const char* name;
        void (*store)(RegistryKey&);
    };
    const Case cases[] = {
        {"minus one", [](RegistryKey& key) { key.WriteInteger("Time", -1); }},
        {"a string", [](RegistryKey& key) { key.WriteString("Time", "5"); }},
        {"missing", [](RegistryKey& key) { key.WriteInteger("Level", 3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry registry;
        c.store(*registry.OpenKey(RecordKey, true));

        EXPECT_EQ(WriteSolvedRecord(registry, Puzzle("Slow", 5), 86400, SolvedAt),
                  RecordWrite::Written);
        const StoredRecord expected{86400, "Slow", SolvedAtBytes, 5};
        EXPECT_EQ(ReadRecord(registry), expected);
    }
}

TEST(SolvedRecords, EachPuzzleIdentityHasItsOwnRecord) {
    MemoryRegistry registry;
    WriteSolvedRecord(registry, Puzzle("Same name", 1), 10, SolvedAt);

    PuzzleRecord resaved = Puzzle("Same name", 1);
    resaved.PuzzleId.Data4[7] = 0xEE;
    EXPECT_FALSE(SolvedRecordExists(registry, resaved.PuzzleId));
    EXPECT_EQ(WriteSolvedRecord(registry, resaved, 50, SolvedAt), RecordWrite::Written);
    EXPECT_TRUE(SolvedRecordExists(registry, resaved.PuzzleId));
    EXPECT_EQ(ReadRecord(registry).Time, 10);
}
