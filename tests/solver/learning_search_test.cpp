// The learning back end: its line reasons, its verdicts against the SAT and depth-first back
// ends, its learnt clauses against every solution, and its budget and cancel.
#include "solver/learning_search.h"
#include "solver/line_reason.h"
#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"
#include "support/random_pictures.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

bool Unique(Verdict verdict) {
    return verdict == Verdict::UniqueByLines || verdict == Verdict::UniqueBySearch;
}

bool SameVerdict(Verdict a, Verdict b) {
    return a == b || (Unique(a) && Unique(b));
}

// The learning search on a grid that only line solving has been through, so that small puzzles
// give it conflicts to learn from, where probing first would settle most of them. Without the
// look near the first solution, a second is found only after the first is ruled out.
SolveReport LearnAfterLines(const NonogramClues& clues, LearningOptions options = {},
                            SolveBudget budget = {}) {
    options.LookNearFirst = false;
    SolverGrid grid(clues, budget.Cancel);
    SearchNodes nodes(budget.MaxSearchNodes, budget.Cancel);
    SolveReport report;
    if (!grid.Propagate()) {
        report.Outcome = grid.Cancelled() ? Verdict::Unknown : Verdict::None;
        return report;
    }
    if (grid.Complete()) {
        report.Outcome = Verdict::UniqueByLines;
        report.First = grid.ToPicture();
        return report;
    }
    SearchLearning(grid, nodes, report, options);
    return report;
}

// Every picture that fits the clues: rows from those that fit their own clue, each partial
// picture checked column by column by the line solver.
class AllSolutions {
public:
    explicit AllSolutions(const NonogramClues& clues)
        : clues_(clues), rowMasks_(FittingRows(clues)),
          cells_(static_cast<std::size_t>(clues.Width * clues.Height)) {
        Fill(0);
    }
    const std::vector<Picture>& Pictures() const { return pictures_; }

private:
    bool ColumnsFit() const {
        std::vector<LineCell> column(static_cast<std::size_t>(clues_.Height));
        for (int x = 0; x < clues_.Width; ++x) {
            for (int y = 0; y < clues_.Height; ++y)
                column[y] = cells_[y * clues_.Width + x];
            if (!SolveLine(clues_.Columns[x], column))
                return false;
        }
        return true;
    }
    void Fill(int y) {
        if (y == clues_.Height) {
            Picture picture = Picture::Blank(clues_.Width, clues_.Height);
            for (std::size_t i = 0; i < cells_.size(); ++i)
                picture.Cells[i] = cells_[i] == LineCell::Filled ? 1 : 0;
            pictures_.push_back(picture);
            return;
        }
        for (unsigned mask : rowMasks_[y]) {
            for (int x = 0; x < clues_.Width; ++x)
                cells_[y * clues_.Width + x] =
                    (mask >> x & 1U) != 0 ? LineCell::Filled : LineCell::Empty;
            if (ColumnsFit())
                Fill(y + 1);
        }
        for (int x = 0; x < clues_.Width; ++x)
            cells_[y * clues_.Width + x] = LineCell::Unknown;
    }

    const NonogramClues& clues_;
    std::vector<std::vector<unsigned>> rowMasks_;
    std::vector<LineCell> cells_;
    std::vector<Picture> pictures_;
};

bool Holds(const std::vector<CellLiteral>& clause, const Picture& picture) {
    for (const CellLiteral& literal : clause)
        if ((picture.Cells[literal.Cell] != 0) == (literal.Value == LineCell::Filled))
            return true;
    return false;
}

} // namespace

// A shrunk reason must still give the line solver its conclusion, and none of its cells may be
// dropped from it, for forced cells and for lines that fit no arrangement alike.
TEST(LineReason, ShrunkReasonStillConcludesAndNoCellCanGo) {
    std::mt19937 random(71);
    int shrunk = 0;
    for (int round = 0; round < 400; ++round) {
        const int length = 5 + static_cast<int>(random() % 60);
        Picture line = RandomPicture(random, length, 1, 40 + static_cast<int>(random() % 30));
        const std::vector<int> runs = CluesOf(line).Rows[0];
        // Some known cells of the line, a few of them flipped so that some lines fit nothing.
        LineState known;
        std::vector<int> order;
        for (int position = 0; position < length; ++position) {
            if (random() % 3 != 0)
                continue;
            const bool flip = random() % 25 == 0;
            (line.Filled(position, 0) != flip ? known.Filled : known.Empty).Add(position);
            order.push_back(position);
        }
        LineState solved = known;
        std::vector<LineConclusion> conclusions;
        if (!SolveLineBits(runs, length, solved))
            conclusions.push_back({});
        for (int position = 0; conclusions.empty() && position < length; ++position) {
            if (solved.Filled.Has(position) && !known.Filled.Has(position))
                conclusions.push_back({position, LineCell::Filled});
            if (solved.Empty.Has(position) && !known.Empty.Has(position))
                conclusions.push_back({position, LineCell::Empty});
        }
        for (const LineConclusion& conclusion : conclusions) {
            const LineState reason = ShrinkLineReason(runs, length, known, order, conclusion);
            ASSERT_TRUE(LineConcludes(runs, length, reason, conclusion)) << round;
            EXPECT_EQ(reason.Filled & ~known.Filled, LineBits{0}) << round;
            EXPECT_EQ(reason.Empty & ~known.Empty, LineBits{0}) << round;
            shrunk += reason != known ? 1 : 0;
            for (int position : order) {
                LineState without = reason;
                without.Filled.Remove(position);
                without.Empty.Remove(position);
                if (without != reason) {
                    EXPECT_FALSE(LineConcludes(runs, length, without, conclusion)) << round;
                }
            }
        }
    }
    EXPECT_GT(shrunk, 100);
}

// 4 x 4 and 5 x 5 clue sets, half of which take their columns from a second picture: the
// learning search, behind probing and from line solving alone, gives the verdict the SAT and
// depth-first back ends give, with solutions that fit.
TEST(LearningSearch, SmallVerdictsAgreeWithSatAndTree) {
    std::mt19937 random(515);
    int seen[5] = {};
    for (int round = 0; round < 4000; ++round) {
        const int side = 4 + round % 2;
        const int density = 25 + static_cast<int>(random() % 50);
        const NonogramClues clues = RandomClues(random, side, side, density, round % 4 >= 2);
        const SolveReport sat = SolvePuzzle(clues, {}, SearchBackEnd::Sat);
        const SolveReport tree = SolvePuzzle(clues, {}, SearchBackEnd::Tree);
        const SolveReport learning = SolvePuzzle(clues, {}, SearchBackEnd::Learning);
        const SolveReport learnt = LearnAfterLines(clues);
        ++seen[static_cast<int>(learnt.Outcome)];
        ASSERT_EQ(sat.Outcome, tree.Outcome) << round;
        ASSERT_EQ(learning.Outcome, sat.Outcome) << round;
        ASSERT_TRUE(SameVerdict(learnt.Outcome, sat.Outcome)) << round;
        for (const SolveReport& report : {learning, learnt}) {
            if (report.Outcome == Verdict::None)
                continue;
            EXPECT_TRUE(Fits(report.First, clues)) << round;
            if (report.Outcome != Verdict::Several)
                continue;
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
        }
    }
    EXPECT_GT(seen[static_cast<int>(Verdict::UniqueBySearch)], 10);
    for (Verdict verdict : {Verdict::Several, Verdict::None})
        EXPECT_GT(seen[static_cast<int>(verdict)], 100);
}

// Random pictures of many sizes and densities, one clue set in eight with another picture's
// columns: the learning search and the SAT back end agree.
TEST(LearningSearch, RandomVerdictsAgreeWithSat) {
    std::mt19937 random(2000);
    int seen[5] = {};
    int searched = 0;
    for (int round = 0; round < 1000; ++round) {
        const int width = 5 + static_cast<int>(random() % 21);
        const int height = 5 + static_cast<int>(random() % 21);
        const int density = 45 + static_cast<int>(random() % 26);
        const NonogramClues clues = RandomClues(random, width, height, density, round % 8 == 0);
        const SolveReport sat = SolvePuzzle(clues, {}, SearchBackEnd::Sat);
        const SolveReport learning = SolvePuzzle(clues, {}, SearchBackEnd::Learning);
        ++seen[static_cast<int>(learning.Outcome)];
        searched += learning.DecidedBy == SolveStage::Search ? 1 : 0;
        ASSERT_EQ(learning.Outcome, sat.Outcome) << round;
        if (learning.Outcome == Verdict::None)
            continue;
        EXPECT_TRUE(Fits(learning.First, clues)) << round;
        if (learning.Outcome == Verdict::Several) {
            EXPECT_TRUE(Fits(learning.Second, clues)) << round;
            EXPECT_NE(learning.First, learning.Second) << round;
        } else {
            EXPECT_EQ(learning.First, sat.First) << round;
        }
    }
    for (Verdict verdict :
         {Verdict::UniqueByLines, Verdict::UniqueBySearch, Verdict::Several, Verdict::None})
        EXPECT_GT(seen[static_cast<int>(verdict)], 10);
    EXPECT_GT(searched, 100);
}

// Each clause learnt on 7 x 7 and 8 x 8 puzzles holds in every picture that fits the clues; one
// learnt after the first solution is ruled out may fail only in that solution. Most small
// puzzles need no conflict at all, so those that learn nothing are not counted out by brute force.
TEST(LearningSearch, LearntClausesHoldInEverySolution) {
    std::mt19937 random(88);
    std::size_t checked = 0;
    int puzzles = 0;
    for (int round = 0; round < 3000 && checked < 400; ++round) {
        const int side = 7 + round % 2;
        const NonogramClues clues =
            CluesOf(RandomPicture(random, side, side, 35 + static_cast<int>(random() % 30)));
        std::vector<std::pair<std::vector<CellLiteral>, bool>> clauses;
        LearningOptions options;
        options.OnLearnt = [&](std::span<const CellLiteral> clause, bool afterFirst) {
            clauses.emplace_back(std::vector(clause.begin(), clause.end()), afterFirst);
        };
        const SolveReport report = LearnAfterLines(clues, options);
        ASSERT_NE(report.Outcome, Verdict::Unknown) << round;
        if (clauses.empty())
            continue;
        ++puzzles;
        const std::vector<Picture> solutions = AllSolutions(clues).Pictures();
        ASSERT_EQ(report.Outcome == Verdict::Several, solutions.size() > 1) << round;
        for (const auto& [clause, afterFirst] : clauses) {
            ASSERT_FALSE(clause.empty()) << round;
            for (const Picture& solution : solutions)
                EXPECT_TRUE(Holds(clause, solution) || (afterFirst && solution == report.First))
                    << round;
        }
        checked += clauses.size();
    }
    EXPECT_GE(checked, 400U);
    EXPECT_GT(puzzles, 10);
}

// A 30 x 30 puzzle that needs many decisions: with fewer nodes than the whole solve takes, or
// cancelled from within after some conflicts, the verdict is Unknown; with just enough nodes it
// is the verdict of the unbounded solve.
TEST(LearningSearch, BudgetedOrCancelledSolveGivesUnknown) {
    std::mt19937 random(30);
    const NonogramClues clues = CluesOf(RandomPicture(random, 30, 30, 50));
    const SolveReport whole = SolvePuzzle(clues, {}, SearchBackEnd::Learning);
    ASSERT_NE(whole.Outcome, Verdict::Unknown);
    ASSERT_GT(whole.SearchNodes, 20U);
    for (std::uint64_t budget : {std::uint64_t{0}, whole.SearchNodes / 2, whole.SearchNodes - 1})
        EXPECT_EQ(SolvePuzzle(clues, SolveBudget{.MaxSearchNodes = budget}, SearchBackEnd::Learning)
                      .Outcome,
                  Verdict::Unknown)
            << budget;
    EXPECT_EQ(SolvePuzzle(clues, SolveBudget{.MaxSearchNodes = whole.SearchNodes},
                          SearchBackEnd::Learning)
                  .Outcome,
              whole.Outcome);

    std::atomic<bool> cancel = false;
    int learnt = 0;
    LearningOptions options;
    options.OnLearnt = [&](std::span<const CellLiteral>, bool) {
        if (++learnt == 10)
            cancel = true;
    };
    const SolveReport cancelled = LearnAfterLines(clues, options, SolveBudget{.Cancel = &cancel});
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancelled.Outcome, Verdict::Unknown);
}
