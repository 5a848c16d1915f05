// A search given a while of its own before the next one takes over.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

#include <chrono>
#include <cstddef>

// Runs `search(grid, nodes, report)` for at most `time` of what is left of the budget. True when
// it settled the verdict or left nothing to spend; otherwise the grid is as it was before it and
// the report is blank, for the next search.
template <typename Search>
bool SettledWithin(std::chrono::microseconds time, SolverGrid& grid, SearchNodes& nodes,
                   SolveReport& report, Search search) {
    const std::size_t mark = grid.TrailMark();
    SearchNodes slice = nodes.TimedSlice(time);
    search(grid, slice, report);
    nodes.Absorb(slice);
    if (report.Outcome != Verdict::Unknown || nodes.Cancelled() || nodes.Left() == 0U)
        return true;
    grid.Undo(mark);
    report = SolveReport{};
    return false;
}
