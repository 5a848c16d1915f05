// Depth-first search over guesses, each node probed before the next guess but on the way down
// to a known solution.
#include "solver/tree_search.h"

#include "solver/grid_probing.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

struct Guess {
    int Cell;
    std::size_t TrailMark;
    LineCell FirstValue;
    int Tried; // values tried so far: the first value, then the other
};

class TreeSearch {
public:
    TreeSearch(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, const Picture* drawn)
        : Grid(grid), Nodes(nodes), Report(report), Drawn(drawn) {}

    void Run() {
        if (Expand())
            return;
        while (!Guesses.empty()) {
            Guess& guess = Guesses.back();
            Grid.Undo(guess.TrailMark);
            if (guess.Tried == 2) {
                Guesses.pop_back();
                continue;
            }
            const LineCell value = guess.Tried++ == 0 ? guess.FirstValue : Other(guess.FirstValue);
            if (!Nodes.Spend()) {
                Report.Outcome = Verdict::Unknown;
                return;
            }
            Grid.Assign(guess.Cell, value);
            if (Grid.Propagate() && Expand())
                return;
        }
        Report.Outcome = Report.First ? Verdict::UniqueBySearch : Verdict::None;
    }

private:
    static LineCell Other(LineCell value) {
        return value == LineCell::Filled ? LineCell::Empty : LineCell::Filled;
    }

    // A drawn picture is a solution, so following it never contradicts: the search reaches it
    // first, and backtracks from there into the pictures that differ from it in its last guesses.
    // Probing would only fix cells the drawing already has, so the way down skips it.
    bool FollowingDrawing() const { return Drawn != nullptr && !Report.First; }

    ProbeResult GuessWithoutProbing(int& chosen) {
        if (Grid.Complete())
            return ProbeResult::Complete;
        if (!Nodes.Spend())
            return ProbeResult::OutOfBudget;
        chosen = Grid.ChooseCell();
        return ProbeResult::Open;
    }

    LineCell FirstValueOf(int cell) const {
        if (Drawn == nullptr)
            return LineCell::Filled;
        return Drawn->Cells[static_cast<std::size_t>(cell)] != 0 ? LineCell::Filled
                                                                 : LineCell::Empty;
    }

    // Probes a consistent grid and records a solution or pushes the next guess; true when the
    // search is over.
    bool Expand() {
        int chosen = -1;
        switch (FollowingDrawing() ? GuessWithoutProbing(chosen) : ProbeGrid(Grid, Nodes, chosen)) {
        case ProbeResult::OutOfBudget:
            Report.Outcome = Verdict::Unknown;
            return true;
        case ProbeResult::Contradiction:
            return false;
        case ProbeResult::Open:
            Guesses.push_back({chosen, Grid.TrailMark(), FirstValueOf(chosen), 0});
            return false;
        case ProbeResult::Complete:
            break;
        }
        if (!Report.First) {
            Report.First = Grid.ToPicture();
            return false;
        }
        Report.Second = Grid.ToPicture();
        Report.Outcome = Verdict::Several;
        return true;
    }

    SolverGrid& Grid;
    SearchNodes& Nodes;
    SolveReport& Report;
    const Picture* Drawn;
    std::vector<Guess> Guesses;
};

} // namespace

void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, const Picture* drawn) {
    TreeSearch(grid, nodes, report, drawn).Run();
}

bool SearchNearSolution(SolverGrid& grid, SearchNodes& nodes, const Picture& known,
                        SolveReport& report) {
    const std::size_t mark = grid.TrailMark();
    SearchNodes slice =
        nodes.Slice(NearSearchNodes + static_cast<std::uint64_t>(grid.CellCount()));
    SolveReport near;
    SearchTree(grid, slice, near, &known);
    nodes.Absorb(slice);
    grid.Undo(mark);
    if (near.Outcome != Verdict::Several || grid.Cancelled())
        return false;
    report.Outcome = Verdict::Several;
    report.First = std::move(near.First);
    report.Second = std::move(near.Second);
    return true;
}
