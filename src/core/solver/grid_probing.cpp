// Probing: both values of the cells beside known ones, each propagated and undone.
#include "solver/grid_probing.h"

#include <algorithm>
#include <cstddef>

ProbeResult ProbeGrid(SolverGrid& grid, SearchNodes& nodes, int& chosen) {
    for (bool forced = true; forced && !grid.Complete();) {
        forced = false;
        chosen = -1;
        std::size_t bestSettled = 0;
        for (int cell = 0; cell < grid.CellCount() && !grid.Complete(); ++cell) {
            if (grid.At(cell) != LineCell::Unknown || !grid.BesideKnown(cell))
                continue;
            std::size_t settled[2] = {};
            bool contradicts[2] = {};
            for (int i = 0; i < 2; ++i) {
                if (!nodes.Spend())
                    return ProbeResult::OutOfBudget;
                const std::size_t mark = grid.TrailMark();
                grid.Assign(cell, i == 0 ? LineCell::Filled : LineCell::Empty);
                contradicts[i] = !grid.Propagate();
                settled[i] = grid.TrailMark() - mark;
                grid.Undo(mark);
            }
            if (contradicts[0] && contradicts[1])
                return ProbeResult::Contradiction;
            if (contradicts[0] || contradicts[1]) {
                grid.Assign(cell, contradicts[0] ? LineCell::Empty : LineCell::Filled);
                if (!grid.Propagate())
                    return ProbeResult::Contradiction;
                forced = true;
                continue;
            }
            if (std::min(settled[0], settled[1]) >= bestSettled) {
                bestSettled = std::min(settled[0], settled[1]);
                chosen = cell;
            }
        }
    }
    if (grid.Complete())
        return ProbeResult::Complete;
    if (chosen < 0 || grid.At(chosen) != LineCell::Unknown)
        chosen = grid.ChooseCell();
    return ProbeResult::Open;
}
