// Depth-first search over guesses, each node probed before the next guess.
#include "solver/tree_search.h"

#include "solver/grid_probing.h"

#include <cstddef>
#include <vector>

namespace {

struct Guess {
    int Cell;
    std::size_t TrailMark;
    int Tried; // values tried so far: filled first, then empty
};

class TreeSearch {
public:
    TreeSearch(SolverGrid& grid, SearchNodes& nodes, SolveReport& report)
        : Grid(grid), Nodes(nodes), Report(report) {}

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
            const LineCell value = guess.Tried++ == 0 ? LineCell::Filled : LineCell::Empty;
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
    // Probes a consistent grid and records a solution or pushes the next guess; true when the
    // search is over.
    bool Expand() {
        int chosen = -1;
        switch (ProbeGrid(Grid, Nodes, chosen)) {
        case ProbeResult::OutOfBudget:
            Report.Outcome = Verdict::Unknown;
            return true;
        case ProbeResult::Contradiction:
            return false;
        case ProbeResult::Open:
            Guesses.push_back({chosen, Grid.TrailMark(), 0});
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
    std::vector<Guess> Guesses;
};

} // namespace

void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report) {
    TreeSearch(grid, nodes, report).Run();
}
