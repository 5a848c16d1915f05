// The learning back end: a search over the cells that learns a clause from every conflict, with
// the line solver as its propagator.
#pragma once

#include "solver/line_solver.h"
#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

#include <functional>
#include <span>

// A cell having a value; a clause holds when one of its literals does.
struct CellLiteral {
    int Cell = 0;
    LineCell Value = LineCell::Unknown;
};

struct LearningOptions {
    // Called with every clause learnt from a conflict. Until the first solution is found each is
    // implied by the clues; after it, by the clues with that solution ruled out (`afterFirst`).
    std::function<void(std::span<const CellLiteral> clause, bool afterFirst)> OnLearnt;
    // Whether a second solution is first looked for near the first; without that look, the
    // clause that rules the first out is what leads to a second.
    bool LookNearFirst = true;
};

// Searches a propagated grid until two solutions are found or none is left, and sets the report's
// outcome and solutions; the grid is left as it was. Each decision is one node; a cancel or the
// end of the budget gives Unknown. A cell forced by a line has as its reason that line's known
// cells, shrunk only when a conflict's analysis reaches it. After a first solution a search near
// it looks for a second; failing that, a clause rules the first out and the search goes on.
void SearchLearning(SolverGrid& grid, SearchNodes& nodes, SolveReport& report,
                    const LearningOptions& options = {});
