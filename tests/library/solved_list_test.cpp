// The solved list's reading of the records and its time text.
#include "library/puzzle_folder_fixture.h"
#include "library/solved_list.h"
#include "library/solved_records.h"
#include "settings/memory_registry.h"

#include <gtest/gtest.h>

TEST(SolvedList, TimeTextIsHoursMinutesSecondsOfAtLeastTwoDigits) {
    struct Case {
        std::int32_t seconds;
        const char* expected;
    };
    const Case cases[] = {
        {0, "00:00:00"},    {59, "00:00:59"},    {60, "00:01:00"},
        {3725, "01:02:05"}, {86399, "23:59:59"}, {360000, "100:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SolvedTimeText(c.seconds), c.expected) << c.seconds;
}

TEST(SolvedList, ValuesMissingOrOfAnotherTypeAreNone) {
    MemoryRegistry registry;
    const auto key = registry.OpenKey(SolvedRecordKey(TestPuzzleId(1)), true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteString("Time", "95"));
    ASSERT_TRUE(key->WriteBinary("Date Completed", std::vector<std::uint8_t>{1, 2, 3, 4}));

    const std::vector<SolvedListRow> rows = ReadSolvedList(registry);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Name, "");
    EXPECT_EQ(rows[0].Time, std::nullopt);
    EXPECT_EQ(rows[0].Level, std::nullopt);
    EXPECT_EQ(rows[0].DateCompleted, std::nullopt);
}
