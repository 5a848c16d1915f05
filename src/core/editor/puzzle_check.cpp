// Check Puzzle: the solver's verdict on the drawn picture's clues, and the message that gives it.
#include "editor/puzzle_check.h"

#include "model/bounds.h"
#include "solver/puzzle_picture.h"
#include "solver/puzzle_solver.h"

namespace {

std::vector<CellPos> DifferingCells(const Picture& first, const Picture& second) {
    std::vector<CellPos> cells;
    for (int y = 0; y < first.Height; ++y)
        for (int x = 0; x < first.Width; ++x)
            if (first.Filled(x, y) != second.Filled(x, y))
                cells.push_back({x, y});
    return cells;
}

} // namespace

PuzzleCheckResult CheckPuzzle(const PuzzleRecord& puzzle, const std::atomic<bool>* cancel) {
    if (!IsValidGridSide(puzzle.Width) || !IsValidGridSide(puzzle.Height))
        return {CheckVerdict::None, {}};
    const SolveReport report =
        SolveDrawnPuzzle(PictureOfRecord(puzzle), SolveBudget{.Cancel = cancel});
    switch (report.Outcome) {
    case Verdict::UniqueByLines:
        return {CheckVerdict::UniqueByLines, {}};
    case Verdict::UniqueBySearch:
        return {CheckVerdict::UniqueWithSearch, {}};
    case Verdict::Several:
        return {CheckVerdict::Several, DifferingCells(*report.First, *report.Second)};
    case Verdict::None:
        return {CheckVerdict::None, {}};
    case Verdict::Unknown:
        break;
    }
    return {CheckVerdict::Undecided, {}};
}

std::string CheckVerdictText(const PuzzleCheckResult& result) {
    switch (result.Verdict) {
    case CheckVerdict::UniqueByLines:
        return "This puzzle has exactly one solution, and it can be solved line by line.";
    case CheckVerdict::UniqueWithSearch:
        return "This puzzle has exactly one solution, but it cannot be solved line by line alone: "
               "the player will have to guess.";
    case CheckVerdict::Several:
        return "This puzzle has more than one solution. The " +
               std::to_string(result.Differences.size()) +
               " cells where two of them differ are outlined in the grid.";
    case CheckVerdict::None:
        return "Internal error: the solver found no solution, although the drawn picture is one.";
    case CheckVerdict::Undecided:
        break;
    }
    return "The check gave up before it could tell whether this puzzle has exactly one solution.";
}
