// Validation of the clues, then the stages in turn until one settles the verdict.
#include "solver/puzzle_solver.h"

#include "solver/grid_probing.h"
#include "solver/learning_search.h"
#include "solver/sat_search.h"
#include "solver/search_race.h"
#include "solver/solver_grid.h"
#include "solver/timed_search.h"
#include "solver/tree_search.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// How long the short search may run before the race takes over. Most open puzzles it settles in
// a few milliseconds; those it has not settled by then it mostly never does.
constexpr std::chrono::microseconds ShortSearchTime{20'000};

bool LinesFit(const std::vector<std::vector<int>>& lines, int length, std::int64_t& filled) {
    for (const std::vector<int>& runs : lines) {
        std::int64_t needed = -1;
        for (int run : runs) {
            if (run < 0)
                return false;
            if (run > 0)
                needed += run + 1;
            filled += run;
        }
        if (needed > length)
            return false;
    }
    return true;
}

// Sizes are checked before anything is allocated, and the row and column totals must agree:
// both count the filled cells of the same picture.
bool CluesFit(const NonogramClues& clues) {
    if (clues.Width < 1 || clues.Width > MaxSolverSide || clues.Height < 1 ||
        clues.Height > MaxSolverSide)
        return false;
    if (clues.Rows.size() != static_cast<std::size_t>(clues.Height) ||
        clues.Columns.size() != static_cast<std::size_t>(clues.Width))
        return false;
    std::int64_t rowCells = 0;
    std::int64_t columnCells = 0;
    return LinesFit(clues.Rows, clues.Width, rowCells) &&
           LinesFit(clues.Columns, clues.Height, columnCells) && rowCells == columnCells;
}

void Decide(SolverGrid& grid, SearchNodes& nodes, SearchBackEnd backEnd, SolveReport& report) {
    if (!grid.Propagate())
        return;
    if (grid.Complete()) {
        report.Outcome = Verdict::UniqueByLines;
        report.First = grid.ToPicture();
        return;
    }
    // Every value probing fixes is forced, so a grid it completes has that one solution.
    report.DecidedBy = SolveStage::Probing;
    int chosen = -1;
    switch (ProbeGrid(grid, nodes, chosen)) {
    case ProbeResult::OutOfBudget:
        report.Outcome = Verdict::Unknown;
        return;
    case ProbeResult::Contradiction:
        return;
    case ProbeResult::Complete:
        report.Outcome = Verdict::UniqueBySearch;
        report.First = grid.ToPicture();
        return;
    case ProbeResult::Open:
        break;
    }
    report.DecidedBy = SolveStage::Search;
    if (backEnd == SearchBackEnd::Tree) {
        SearchTree(grid, nodes, report, nullptr);
        return;
    }
    if (backEnd == SearchBackEnd::Learning) {
        SearchLearning(grid, nodes, report);
        return;
    }
    if (backEnd == SearchBackEnd::ShortSearchThenRace) {
        const auto tree = [](SolverGrid& g, SearchNodes& n, SolveReport& r) {
            SearchTree(g, n, r, nullptr);
        };
        if (SettledWithin(ShortSearchTime, grid, nodes, report, tree))
            return;
        RaceSearches(grid, nodes, report);
        return;
    }
    report.DecidedBy = SolveStage::Sat;
    SearchSat(grid, nodes, report);
}

// Looks for a second solution near the drawing before the clues are solved on their own. Line
// solving settles a puzzle alike with or without a drawing, so the report of a puzzle it settles
// is the one its clues give. Nothing when neither settles it, with the nodes spent.
std::optional<SolveReport> SettleNearDrawing(const Picture& drawn, const NonogramClues& clues,
                                             SolveBudget budget, std::uint64_t& spent) {
    SolverGrid grid(clues, budget.Cancel);
    SearchNodes nodes(budget.MaxSearchNodes, budget.Cancel);
    SolveReport report;
    // The drawing fits its clues, so only a cancel can fail this.
    if (!grid.Propagate())
        return std::nullopt;
    if (grid.Complete()) {
        report.Outcome = Verdict::UniqueByLines;
        report.First = drawn;
    } else {
        report.DecidedBy = SolveStage::Search;
        const bool found = SearchNearSolution(grid, nodes, drawn, report);
        spent = nodes.Spent();
        if (!found)
            return std::nullopt;
    }
    report.LinePasses = grid.LinePasses();
    report.SearchNodes = nodes.Spent();
    return report;
}

} // namespace

SolveReport SolvePuzzle(const NonogramClues& clues, SolveBudget budget, SearchBackEnd backEnd) {
    SolveReport report;
    report.Outcome = Verdict::None;
    if (!CluesFit(clues))
        return report;
    SolverGrid grid(clues, budget.Cancel);
    SearchNodes nodes(budget.MaxSearchNodes, budget.Cancel);
    Decide(grid, nodes, backEnd, report);
    // A cancelled propagation looks like a contradiction, so what came of it is not to be
    // trusted.
    if (grid.Cancelled())
        report.Outcome = Verdict::Unknown;
    report.LinePasses += grid.LinePasses();
    report.SearchNodes = nodes.Spent();
    return report;
}

SolveReport SolveDrawnPuzzle(const Picture& drawn, SolveBudget budget, SearchBackEnd backEnd) {
    const NonogramClues clues = CluesOf(drawn);
    if (!CluesFit(clues))
        return SolvePuzzle(clues, budget, backEnd);
    std::uint64_t spent = 0;
    if (std::optional<SolveReport> report = SettleNearDrawing(drawn, clues, budget, spent))
        return *report;
    if (budget.MaxSearchNodes)
        *budget.MaxSearchNodes -= spent;
    return SolvePuzzle(clues, budget, backEnd);
}
