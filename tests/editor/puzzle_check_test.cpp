// Check Puzzle on drawn pictures: the three verdicts, the cells two solutions differ at, and a
// cancel.
#include "editor/puzzle_check.h"
#include "support/puzzle_pictures.h"

#include <atomic>
#include <gtest/gtest.h>
#include <random>

namespace {

// Unique, but line solving stalls and a guess is needed.
const std::vector<std::string> NeedsGuessing = {
    "..##.##.", "##...###", ".#.#.#..", ".......#", "..#..##.", "....####",
};

// Exactly two pictures fit these clues; they differ in four cells that touch no other.
const std::vector<std::string> TwoSolutions = {
    ".#..##", "##.#..", ".#.#..", "#.....", "#..#.#",
};

} // namespace

TEST(CheckPuzzle, VerdictsOfDrawnPictures) {
    PuzzleRecord lineSolvable = PuzzleFromPicture({".###.", "#...#", "#####", "#...#"});
    // Cells outside the puzzle's size, kept from a larger drawing, are not part of it.
    lineSolvable.Solution.Set(7, 1, CellState::Filled);
    lineSolvable.Solution.Set(2, 6, CellState::Filled);
    const std::vector<std::pair<PuzzleRecord, CheckVerdict>> cases = {
        {lineSolvable, CheckVerdict::UniqueByLines},
        {PuzzleFromPicture(NeedsGuessing), CheckVerdict::UniqueWithSearch},
        {PuzzleFromPicture(TwoSolutions), CheckVerdict::Several},
        {PuzzleFromPicture({}), CheckVerdict::None},
    };
    for (const auto& [puzzle, verdict] : cases) {
        const PuzzleCheckResult result = CheckPuzzle(puzzle);
        EXPECT_EQ(result.Verdict, verdict) << puzzle.Width << " x " << puzzle.Height;
        EXPECT_EQ(result.Differences.empty(), verdict != CheckVerdict::Several);
    }
}

TEST(CheckPuzzle, SeveralSolutionsGiveTheCellsTheyDifferAtRowByRow) {
    const PuzzleCheckResult result = CheckPuzzle(PuzzleFromPicture(TwoSolutions));
    const std::vector<CellPos> expected = {{3, 0}, {5, 0}, {3, 2}, {5, 2}};
    EXPECT_EQ(result.Differences, expected);
    EXPECT_NE(CheckVerdictText(result).find(" 4 cells "), std::string::npos);
}

// Noise over the largest grid has many solutions, which the check finds near the drawing in a
// blink; a cancel that came first must still win, or the editor would show a verdict it asked
// not to have.
TEST(CheckPuzzle, ACancelledCheckIsUndecided) {
    std::mt19937 random(3040);
    std::vector<std::string> rows(128, std::string(128, '.'));
    for (std::string& row : rows)
        for (char& cell : row)
            cell = random() % 100 < 50 ? '#' : '.';
    const PuzzleRecord puzzle = PuzzleFromPicture(rows);
    ASSERT_EQ(CheckPuzzle(puzzle).Verdict, CheckVerdict::Several);
    const std::atomic<bool> cancel = true;
    EXPECT_EQ(CheckPuzzle(puzzle, &cancel).Verdict, CheckVerdict::Undecided);
}
