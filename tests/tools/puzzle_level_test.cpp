// Levels from the solver's effort: only unique puzzles get one, and harder ones never get less.
#include "puzzle_level.h"

#include <gtest/gtest.h>

namespace {

SolveReport Report(Verdict verdict, std::uint64_t passes, std::uint64_t nodes = 0) {
    SolveReport report;
    report.Outcome = verdict;
    report.LinePasses = passes;
    report.SearchNodes = nodes;
    return report;
}

TEST(PuzzleLevelTest, OnlyAUniqueSolutionHasALevel) {
    EXPECT_FALSE(LevelFromReport(Report(Verdict::Several, 40), 10, 10));
    EXPECT_FALSE(LevelFromReport(Report(Verdict::None, 40), 10, 10));
    EXPECT_FALSE(LevelFromReport(Report(Verdict::Unknown, 40), 10, 10));
}

TEST(PuzzleLevelTest, LevelsGrowWithSizeEffortAndGuessingWithinTheirRange) {
    EXPECT_EQ(LevelFromReport(Report(Verdict::UniqueByLines, 10), 5, 5), 0);
    EXPECT_EQ(LevelFromReport(Report(Verdict::UniqueBySearch, 1'000'000, 1'000'000), 128, 128), 10);
    int previous = 0;
    for (const int side : {5, 10, 20, 40, 80, 128}) {
        const int level = *LevelFromReport(Report(Verdict::UniqueByLines, 4 * side), side, side);
        EXPECT_GE(level, previous) << side;
        previous = level;
    }
    EXPECT_GT(*LevelFromReport(Report(Verdict::UniqueByLines, 20 * 30), 15, 15),
              *LevelFromReport(Report(Verdict::UniqueByLines, 2 * 30), 15, 15));
    EXPECT_GT(*LevelFromReport(Report(Verdict::UniqueBySearch, 60, 3), 15, 15),
              *LevelFromReport(Report(Verdict::UniqueByLines, 60), 15, 15));
}

} // namespace
