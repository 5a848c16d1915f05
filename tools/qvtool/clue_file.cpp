// Checks shared by every reader of clue files, and the solve of what they read.
#include "clue_file.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {

// Runs of 0 mark an empty line in some files; the solver and CluesOf leave them out.
std::vector<std::vector<int>> WithoutZeroRuns(std::vector<std::vector<int>> lines) {
    for (std::vector<int>& runs : lines)
        std::erase(runs, 0);
    return lines;
}

bool GoalFits(const ClueFile& puzzle) {
    if (!puzzle.Goal)
        return false;
    const NonogramClues goal = CluesOf(*puzzle.Goal);
    return goal.Width == puzzle.Clues.Width && goal.Height == puzzle.Clues.Height &&
           goal.Rows == WithoutZeroRuns(puzzle.Clues.Rows) &&
           goal.Columns == WithoutZeroRuns(puzzle.Clues.Columns);
}

bool RunsFit(const std::vector<int>& runs, int length) {
    // A 64-bit sum, since a hostile file may list millions of runs for one line.
    const std::int64_t needed = std::accumulate(runs.begin(), runs.end(), std::int64_t{0}) +
                                (runs.empty() ? 0 : static_cast<std::int64_t>(runs.size()) - 1);
    return needed <= length;
}

} // namespace

std::string OverlongClueLine(const NonogramClues& clues) {
    for (std::size_t y = 0; y < clues.Rows.size(); ++y)
        if (!RunsFit(clues.Rows[y], clues.Width))
            return "the clues of row " + std::to_string(y + 1) + " do not fit in " +
                   std::to_string(clues.Width) + " cells";
    for (std::size_t x = 0; x < clues.Columns.size(); ++x)
        if (!RunsFit(clues.Columns[x], clues.Height))
            return "the clues of column " + std::to_string(x + 1) + " do not fit in " +
                   std::to_string(clues.Height) + " cells";
    return {};
}

SolveReport SolveClueFile(const ClueFile& puzzle) {
    return GoalFits(puzzle) ? SolveDrawnPuzzle(*puzzle.Goal) : SolvePuzzle(puzzle.Clues);
}
