// The SAT back end against the depth-first search on random pictures of many sizes, the race of
// the learning search against SAT, and the short search's time slice.
#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/search_race.h"
#include "solver/solver_grid.h"
#include "support/random_pictures.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <random>

// Both back ends start from the same propagated and probed grid, so the pictures that reach
// them are the ones line solving and probing leave open. One clue set in eight takes its columns
// from another picture, which mostly leaves no solution. Densities stay at 45 % and above: the
// loosest pictures take either back end seconds, which belongs in the benchmark.
TEST(SearchBackEnds, SatAndTreeSearchAgreeOnRandomPictures) {
    std::mt19937 random(2000);
    int decidedBySat = 0;
    int treeGaveUp = 0;
    int seen[5] = {};
    for (int round = 0; round < 2000; ++round) {
        const int width = 5 + static_cast<int>(random() % 21);
        const int height = 5 + static_cast<int>(random() % 21);
        const int density = 45 + static_cast<int>(random() % 26);
        const NonogramClues clues = RandomClues(random, width, height, density, round % 8 == 0);
        const SolveReport sat = SolvePuzzle(clues, {}, SearchBackEnd::Sat);
        const SolveReport tree =
            SolvePuzzle(clues, SolveBudget{.MaxSearchNodes = 20'000}, SearchBackEnd::Tree);
        ++seen[static_cast<int>(sat.Outcome)];
        ASSERT_NE(sat.Outcome, Verdict::Unknown) << round;
        if (tree.Outcome == Verdict::Unknown) {
            ++treeGaveUp;
            continue;
        }
        decidedBySat += sat.DecidedBy == SolveStage::Sat ? 1 : 0;
        ASSERT_EQ(sat.Outcome, tree.Outcome) << round;
        if (sat.Outcome == Verdict::None)
            continue;
        EXPECT_TRUE(Fits(sat.First, clues)) << round;
        if (sat.Outcome != Verdict::Several) {
            EXPECT_EQ(sat.First, tree.First) << round;
            continue;
        }
        for (const SolveReport& report : {sat, tree}) {
            EXPECT_TRUE(Fits(report.First, clues)) << round;
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
        }
    }
    for (Verdict verdict :
         {Verdict::UniqueByLines, Verdict::UniqueBySearch, Verdict::Several, Verdict::None})
        EXPECT_GT(seen[static_cast<int>(verdict)], 20);
    EXPECT_GT(decidedBySat, 200);
    // The depth-first search has a budget, since a few loose pictures take it minutes; it must
    // still settle nearly all.
    EXPECT_LT(treeGaveUp, 40);
}

// A drawn picture only guides the search, so each back end must give the verdict the clues alone
// give. A second solution is nearly always found near the drawing, which then comes first.
TEST(SearchBackEnds, DrawnPictureGuidesButDoesNotChangeTheVerdict) {
    std::mt19937 random(2001);
    int several = 0;
    int drawingFirst = 0;
    for (int round = 0; round < 300; ++round) {
        const int side = 5 + static_cast<int>(random() % 16);
        const Picture drawn =
            RandomPicture(random, side, side, 45 + static_cast<int>(random() % 26));
        const NonogramClues clues = CluesOf(drawn);
        const SolveReport alone = SolvePuzzle(clues, {}, SearchBackEnd::Sat);
        several += alone.Outcome == Verdict::Several ? 1 : 0;
        for (SearchBackEnd backEnd :
             {SearchBackEnd::ShortSearchThenRace, SearchBackEnd::Sat, SearchBackEnd::Tree}) {
            const SolveReport report = SolveDrawnPuzzle(drawn, {}, backEnd);
            ASSERT_EQ(report.Outcome, alone.Outcome) << round;
            EXPECT_TRUE(Fits(report.First, clues)) << round;
            if (alone.Outcome != Verdict::Several)
                continue;
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
            drawingFirst += report.First == drawn ? 1 : 0;
        }
    }
    EXPECT_GT(several, 50);
    EXPECT_GT(drawingFirst, several * 3 * 9 / 10);
}

// The race from a propagated grid gives the SAT back end's verdict, whichever search wins it,
// also when the learning search's time is up at once and CaDiCaL takes its thread; cancelled or
// without budget it gives Unknown.
TEST(SearchBackEnds, RaceGivesTheVerdictOfEitherSearch) {
    std::mt19937 random(77);
    int raced = 0;
    for (int round = 0; round < 300; ++round) {
        const int side = 10 + static_cast<int>(random() % 16);
        const int density = 45 + static_cast<int>(random() % 26);
        const NonogramClues clues = RandomClues(random, side, side, density, round % 8 == 0);
        SolverGrid grid(clues);
        if (!grid.Propagate() || grid.Complete())
            continue;
        ++raced;
        const SolveReport sat = SolvePuzzle(clues, {}, SearchBackEnd::Sat);
        SearchNodes nodes(std::nullopt, nullptr);
        SolveReport report;
        RaceSearches(grid, nodes, report,
                     round % 2 == 0 ? LearningTimeInRace : std::chrono::microseconds(0));
        ASSERT_EQ(report.Outcome, sat.Outcome) << round;
        if (report.Outcome == Verdict::None)
            continue;
        EXPECT_TRUE(Fits(report.First, clues)) << round;
        if (report.Outcome == Verdict::Several) {
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
        }
    }
    EXPECT_GT(raced, 100);

    std::mt19937 hard(30);
    SolverGrid grid(CluesOf(RandomPicture(hard, 30, 30, 50)));
    ASSERT_TRUE(grid.Propagate());
    const std::atomic<bool> cancel = true;
    for (SearchNodes nodes : {SearchNodes(std::nullopt, &cancel), SearchNodes(0, nullptr)}) {
        SolveReport report;
        RaceSearches(grid, nodes, report);
        EXPECT_EQ(report.Outcome, Verdict::Unknown);
    }
}

TEST(SearchNodes, ASliceWhoseTimeIsUpSpendsNothing) {
    const SearchNodes nodes(std::nullopt, nullptr);
    EXPECT_FALSE(nodes.TimedSlice(std::chrono::microseconds{0}).Spend());
    SearchNodes ample = nodes.TimedSlice(std::chrono::hours{1});
    EXPECT_TRUE(ample.Spend());
}
