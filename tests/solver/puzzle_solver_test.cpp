// Puzzle verdicts: hand-made puzzles, refused clues, and random pictures checked by independent
// searches.
#include "solver/line_solver.h"
#include "solver/puzzle_solver.h"
#include "support/random_pictures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// Pictures are written row by row: '#' filled, '.' empty.
Picture PictureFromText(const std::vector<std::string>& rows) {
    Picture picture =
        Picture::Blank(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            picture.Set(x, y, rows[y][x] == '#');
    return picture;
}

// Solutions of small clues counted up to two, by trying every row that fits its clue.
class BruteCount {
public:
    explicit BruteCount(const NonogramClues& clues) : clues_(clues), rowMasks_(FittingRows(clues)) {
        picture_ = Picture::Blank(clues.Width, clues.Height);
        Count(0);
    }
    int Solutions() const { return solutions_; }

private:
    void Count(int y) {
        if (solutions_ >= 2)
            return;
        if (y == clues_.Height) {
            solutions_ += CluesOf(picture_).Columns == clues_.Columns ? 1 : 0;
            return;
        }
        for (unsigned mask : rowMasks_[y]) {
            for (int x = 0; x < clues_.Width; ++x)
                picture_.Set(x, y, (mask >> x & 1U) != 0);
            Count(y + 1);
        }
    }

    const NonogramClues& clues_;
    std::vector<std::vector<unsigned>> rowMasks_;
    Picture picture_;
    int solutions_ = 0;
};

// An independent search: every line solved in turn until none changes, then both values of the
// first unknown cell, looking for any solution other than the forbidden one.
class OtherSolutionSearch {
public:
    OtherSolutionSearch(const NonogramClues& clues, const Picture& forbidden)
        : clues_(clues), forbidden_(forbidden) {}

    // Line solving alone, from a blank grid: whether it settles every cell.
    bool LinesAloneSolve() {
        std::vector<LineCell> cells(clues_.Width * clues_.Height, LineCell::Unknown);
        return Propagate(cells) && std::ranges::find(cells, LineCell::Unknown) == cells.end();
    }
    std::optional<Picture> Find() {
        return Search(std::vector<LineCell>(clues_.Width * clues_.Height, LineCell::Unknown));
    }
    bool BudgetSpent() const { return nodesLeft_ < 0; }

private:
    bool SolveLineAt(std::vector<LineCell>& cells, const std::vector<int>& runs, int first,
                     int step, int length, bool& changed) {
        std::vector<LineCell> line;
        for (int i = 0; i < length; ++i)
            line.push_back(cells[first + i * step]);
        if (!SolveLine(runs, line))
            return false;
        for (int i = 0; i < length; ++i) {
            changed = changed || cells[first + i * step] != line[i];
            cells[first + i * step] = line[i];
        }
        return true;
    }
    bool Propagate(std::vector<LineCell>& cells) {
        for (bool changed = true; changed;) {
            changed = false;
            for (int y = 0; y < clues_.Height; ++y)
                if (!SolveLineAt(cells, clues_.Rows[y], y * clues_.Width, 1, clues_.Width, changed))
                    return false;
            for (int x = 0; x < clues_.Width; ++x)
                if (!SolveLineAt(cells, clues_.Columns[x], x, clues_.Width, clues_.Height, changed))
                    return false;
        }
        return true;
    }
    std::optional<Picture> Search(std::vector<LineCell> cells) {
        if (--nodesLeft_ < 0 || !Propagate(cells))
            return std::nullopt;
        const auto unknown = std::ranges::find(cells, LineCell::Unknown);
        if (unknown == cells.end()) {
            Picture found = Picture::Blank(clues_.Width, clues_.Height);
            for (std::size_t i = 0; i < cells.size(); ++i)
                found.Cells[i] = cells[i] == LineCell::Filled ? 1 : 0;
            return found == forbidden_ ? std::nullopt : std::optional(found);
        }
        for (LineCell value : {LineCell::Filled, LineCell::Empty}) {
            *unknown = value;
            if (std::optional<Picture> found = Search(cells))
                return found;
        }
        return std::nullopt;
    }

    const NonogramClues& clues_;
    const Picture& forbidden_;
    int nodesLeft_ = 200000;
};

} // namespace

TEST(CluesOf, RunsAreListedFromTheLeftAndFromTheTop) {
    const NonogramClues clues = CluesOf(PictureFromText({
        "##.#.",
        ".....",
        "#####",
        "#..##",
    }));
    const NonogramClues expected{
        5, 4, {{2, 1}, {}, {5}, {1, 2}}, {{1, 2}, {1, 1}, {1}, {1, 2}, {2}}};
    EXPECT_EQ(clues, expected);
}

TEST(SolvePuzzle, LineSolvablePictureIsUniqueByLines) {
    const Picture picture = PictureFromText({
        ".###.",
        "#...#",
        "#####",
        "#...#",
    });
    const SolveReport report = SolvePuzzle(CluesOf(picture));
    EXPECT_EQ(report.Outcome, Verdict::UniqueByLines);
    EXPECT_EQ(report.First, picture);
    EXPECT_GT(report.LinePasses, 0U);
    EXPECT_EQ(report.SearchNodes, 0U);
}

TEST(SolvePuzzle, DiagonalHasSeveralSolutionsThatBothFit) {
    const NonogramClues clues = CluesOf(PictureFromText({"#.", ".#"}));
    const SolveReport report = SolvePuzzle(clues);
    ASSERT_EQ(report.Outcome, Verdict::Several);
    EXPECT_TRUE(Fits(report.First, clues));
    EXPECT_TRUE(Fits(report.Second, clues));
    EXPECT_NE(report.First, report.Second);
    EXPECT_GT(report.SearchNodes, 0U);
}

TEST(SolvePuzzle, SpentBudgetGivesUnknown) {
    const SolveReport report =
        SolvePuzzle(CluesOf(PictureFromText({"#.", ".#"})), SolveBudget{.MaxSearchNodes = 0});
    EXPECT_EQ(report.Outcome, Verdict::Unknown);
}

// The look for a second solution near a drawing spends from the same budget as the solve from the
// clues that follows it, so a budget that just suffices for the clues alone falls short.
TEST(SolvePuzzle, LookNearADrawingSpendsFromTheBudget) {
    const Picture drawn =
        PictureFromText({"..##.##.", "##...###", ".#.#.#..", ".......#", "..#..##.", "....####"});
    const SolveReport alone = SolvePuzzle(CluesOf(drawn));
    ASSERT_EQ(alone.Outcome, Verdict::UniqueBySearch);
    const SolveBudget justEnough{.MaxSearchNodes = alone.SearchNodes};
    EXPECT_EQ(SolvePuzzle(CluesOf(drawn), justEnough).Outcome, Verdict::UniqueBySearch);
    EXPECT_EQ(SolveDrawnPuzzle(drawn, justEnough).Outcome, Verdict::Unknown);
    EXPECT_EQ(SolveDrawnPuzzle(drawn).Outcome, Verdict::UniqueBySearch);
}

TEST(SolvePuzzle, CluesThatCannotBeLaidOutGiveNone) {
    const std::vector<std::pair<std::string, NonogramClues>> cases = {
        {"first row forces a cell its column lacks", {3, 2, {{1, 1}, {}}, {{1}, {1}, {}}}},
        {"row and column totals differ", {2, 2, {{1}, {1}}, {{2}, {2}}}},
        {"run longer than its row", {2, 1, {{3}}, {{1}, {1}}}},
        {"runs and gaps longer than the column", {1, 3, {{1}, {1}, {1}}, {{2, 1}}}},
        {"negative run", {1, 1, {{-1}}, {{-1}}}},
        {"no columns listed", {2, 1, {{1}}, {}}},
        {"zero width", {0, 1, {{}}, {}}},
        {"wider than the largest side", {129, 1, {{}}, std::vector<std::vector<int>>(129)}},
        {"absurd size with no lines", {1 << 30, 1 << 30, {}, {}}},
    };
    for (const auto& [name, clues] : cases)
        EXPECT_EQ(SolvePuzzle(clues).Outcome, Verdict::None) << name;
}

TEST(SolvePuzzle, RunsOfZeroAreAbsent) {
    const NonogramClues clues{2, 2, {{0}, {2}}, {{0, 1}, {1, 0}}};
    const SolveReport report = SolvePuzzle(clues);
    EXPECT_EQ(report.Outcome, Verdict::UniqueByLines);
    EXPECT_EQ(report.First, PictureFromText({"..", "##"}));
}

// Every 4 x 4 and 5 x 5 verdict against a count of all pictures. Half the clue sets take their
// columns from a second picture, so some have no solution at all.
TEST(SolvePuzzle, SmallVerdictsMatchBruteForce) {
    std::mt19937 random(515);
    int seen[5] = {};
    for (int round = 0; round < 500; ++round) {
        const int side = 4 + round % 2;
        const int density = 25 + static_cast<int>(random() % 50);
        const NonogramClues clues = RandomClues(random, side, side, density, round % 4 >= 2);
        const int solutions = BruteCount(clues).Solutions();
        const SolveReport report = SolvePuzzle(clues);
        ++seen[static_cast<int>(report.Outcome)];
        if (solutions == 0) {
            EXPECT_EQ(report.Outcome, Verdict::None) << round;
        } else if (solutions == 1) {
            EXPECT_TRUE(report.Outcome == Verdict::UniqueByLines ||
                        report.Outcome == Verdict::UniqueBySearch)
                << round;
            EXPECT_TRUE(Fits(report.First, clues)) << round;
        } else {
            ASSERT_EQ(report.Outcome, Verdict::Several) << round;
            EXPECT_TRUE(Fits(report.First, clues)) << round;
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
        }
    }
    for (Verdict verdict : {Verdict::UniqueByLines, Verdict::Several, Verdict::None})
        EXPECT_GT(seen[static_cast<int>(verdict)], 10);
}

// 15 x 15 verdicts checked by a separate, simpler search: a unique verdict must leave no other
// solution, and only a by-lines verdict may be settled by line solving alone.
TEST(SolvePuzzle, RandomVerdictsHoldUnderAnIndependentSearch) {
    std::mt19937 random(1515);
    int seen[5] = {};
    for (int round = 0; round < 500; ++round) {
        const int density = 30 + static_cast<int>(random() % 50);
        const NonogramClues clues = CluesOf(RandomPicture(random, 15, 15, density));
        const SolveReport report = SolvePuzzle(clues);
        ++seen[static_cast<int>(report.Outcome)];
        ASSERT_TRUE(Fits(report.First, clues)) << round;
        OtherSolutionSearch independent(clues, *report.First);
        EXPECT_EQ(independent.LinesAloneSolve(), report.Outcome == Verdict::UniqueByLines) << round;
        if (report.Outcome == Verdict::Several) {
            EXPECT_TRUE(Fits(report.Second, clues)) << round;
            EXPECT_NE(report.First, report.Second) << round;
            continue;
        }
        ASSERT_TRUE(report.Outcome == Verdict::UniqueByLines ||
                    report.Outcome == Verdict::UniqueBySearch)
            << round;
        EXPECT_EQ(independent.Find(), std::nullopt) << round;
        EXPECT_FALSE(independent.BudgetSpent()) << round;
    }
    for (Verdict verdict : {Verdict::UniqueByLines, Verdict::UniqueBySearch, Verdict::Several})
        EXPECT_GT(seen[static_cast<int>(verdict)], 0);
}
