// Validation of the clues, line propagation, and a depth-first search for up to two solutions.
#include "solver/puzzle_solver.h"

#include "solver/solver_grid.h"

#include <algorithm>
#include <cstddef>

namespace {

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

struct Guess {
    int Cell;
    std::size_t TrailMark;
    int Tried; // values tried so far: filled first, then empty
};

enum class NodeState { Contradiction, Open, Complete, OutOfBudget };

class Search {
public:
    Search(SolverGrid& grid, SolveBudget budget, SolveReport& report)
        : grid_(grid), budget_(budget), report_(report) {}

    // Depth first from a propagated grid until two solutions are found, the tree is exhausted,
    // or the budget runs out.
    void Run() {
        if (Expand())
            return;
        while (!guesses_.empty()) {
            Guess& guess = guesses_.back();
            grid_.Undo(guess.TrailMark);
            if (guess.Tried == 2) {
                guesses_.pop_back();
                continue;
            }
            const LineCell value = guess.Tried++ == 0 ? LineCell::Filled : LineCell::Empty;
            if (!Spend())
                return;
            grid_.Assign(guess.Cell, value);
            if (grid_.Propagate() && Expand())
                return;
        }
        report_.Outcome = report_.First ? Verdict::UniqueBySearch : Verdict::None;
    }

private:
    bool Spend() {
        if (report_.SearchNodes >= budget_.MaxSearchNodes || grid_.Cancelled()) {
            report_.Outcome = Verdict::Unknown;
            return false;
        }
        ++report_.SearchNodes;
        return true;
    }

    // Probes a consistent grid and records a solution or pushes the next guess; true when the
    // search is over.
    bool Expand() {
        int chosen = -1;
        switch (Probe(chosen)) {
        case NodeState::OutOfBudget:
            return true;
        case NodeState::Contradiction:
            return false;
        case NodeState::Open:
            guesses_.push_back({chosen, grid_.TrailMark(), 0});
            return false;
        case NodeState::Complete:
            break;
        }
        if (!report_.First) {
            report_.First = grid_.ToPicture();
            return false;
        }
        report_.Second = grid_.ToPicture();
        report_.Outcome = Verdict::Several;
        return true;
    }

    // Tries each value of the unknown cells next to known ones: a value that contradicts fixes
    // the other, which prunes far more of the tree than it costs. The cell chosen for the next
    // guess is the one whose weaker value settled the most cells.
    NodeState Probe(int& chosen) {
        std::size_t bestSettled = 0;
        for (int cell = 0; cell < grid_.CellCount() && !grid_.Complete(); ++cell) {
            if (grid_.At(cell) != LineCell::Unknown || !grid_.BesideKnown(cell))
                continue;
            std::size_t settled[2] = {};
            bool contradicts[2] = {};
            for (int i = 0; i < 2; ++i) {
                if (!Spend())
                    return NodeState::OutOfBudget;
                const std::size_t mark = grid_.TrailMark();
                grid_.Assign(cell, i == 0 ? LineCell::Filled : LineCell::Empty);
                contradicts[i] = !grid_.Propagate();
                settled[i] = grid_.TrailMark() - mark;
                grid_.Undo(mark);
            }
            if (contradicts[0] && contradicts[1])
                return NodeState::Contradiction;
            if (contradicts[0] || contradicts[1]) {
                grid_.Assign(cell, contradicts[0] ? LineCell::Empty : LineCell::Filled);
                if (!grid_.Propagate())
                    return NodeState::Contradiction;
                continue;
            }
            if (std::min(settled[0], settled[1]) >= bestSettled) {
                bestSettled = std::min(settled[0], settled[1]);
                chosen = cell;
            }
        }
        if (grid_.Complete())
            return NodeState::Complete;
        if (chosen < 0 || grid_.At(chosen) != LineCell::Unknown)
            chosen = grid_.ChooseCell();
        return NodeState::Open;
    }

    SolverGrid& grid_;
    SolveBudget budget_;
    SolveReport& report_;
    std::vector<Guess> guesses_;
};

} // namespace

SolveReport SolvePuzzle(const NonogramClues& clues, SolveBudget budget) {
    SolveReport report;
    report.Outcome = Verdict::None;
    if (!CluesFit(clues))
        return report;
    SolverGrid grid(clues, budget.Cancel);
    if (grid.Propagate()) {
        if (grid.Complete()) {
            report.Outcome = Verdict::UniqueByLines;
            report.First = grid.ToPicture();
        } else {
            Search(grid, budget, report).Run();
        }
    }
    // A cancelled propagation looks like a contradiction, so what the search made of it is
    // not to be trusted.
    if (grid.Cancelled())
        report.Outcome = Verdict::Unknown;
    report.LinePasses = grid.LinePasses();
    return report;
}
