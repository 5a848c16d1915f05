// Probing: both values of an unknown cell, each propagated and undone.
#include "solver/grid_probing.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

struct Probe {
    bool Contradicts = false;
    std::size_t Settled = 0; // cells the value settled, itself included
};

class GridProber {
public:
    GridProber(SolverGrid& grid, SearchNodes& nodes)
        : Grid(grid), Nodes(nodes), ProbeOf(static_cast<std::size_t>(grid.CellCount()), 0),
          FirstValue(static_cast<std::size_t>(grid.CellCount()), LineCell::Unknown) {}

    ProbeResult Run(int& chosen) {
        for (bool progress = true; progress && !Grid.Complete();) {
            progress = false;
            chosen = -1;
            std::size_t bestScore = 0;
            // Cells beside known ones settle the most; a grid without any gives every cell a try.
            const bool anyBesideKnown = AnyOpenCellBesideKnown();
            for (int cell = 0; cell < Grid.CellCount() && !Grid.Complete(); ++cell) {
                if (Grid.At(cell) != LineCell::Unknown ||
                    (anyBesideKnown && !Grid.BesideKnown(cell)))
                    continue;
                // One node for each of the two probes.
                if (!Nodes.Spend() || !Nodes.Spend())
                    return ProbeResult::OutOfBudget;
                ++Epoch;
                Agreed.clear();
                const Probe filled = Try(cell, LineCell::Filled, Settled::Stamp);
                const Probe empty = Try(cell, LineCell::Empty,
                                        filled.Contradicts ? Settled::Ignore : Settled::Gather);
                if (filled.Contradicts && empty.Contradicts)
                    return ProbeResult::Contradiction;
                if (filled.Contradicts || empty.Contradicts)
                    Agreed.assign(1, {cell, filled.Contradicts ? LineCell::Empty : LineCell::Filled});
                if (!Agreed.empty()) {
                    if (!SettleAgreed())
                        return ProbeResult::Contradiction;
                    progress = true;
                    continue;
                }
                const std::size_t score = filled.Settled * empty.Settled;
                if (score > bestScore) {
                    bestScore = score;
                    chosen = cell;
                }
            }
        }
        if (Grid.Complete())
            return ProbeResult::Complete;
        if (chosen < 0 || Grid.At(chosen) != LineCell::Unknown)
            chosen = Grid.ChooseCell();
        return ProbeResult::Open;
    }

private:
    bool AnyOpenCellBesideKnown() const {
        for (int cell = 0; cell < Grid.CellCount(); ++cell)
            if (Grid.At(cell) == LineCell::Unknown && Grid.BesideKnown(cell))
                return true;
        return false;
    }

    enum class Settled { Stamp, Gather, Ignore };

    // Sets the value, propagates and undoes it. The first value's settled cells are stamped; the
    // second's that settled the same way go to Agreed, since every solution has them.
    Probe Try(int cell, LineCell value, Settled use) {
        const std::size_t mark = Grid.TrailMark();
        Grid.Assign(cell, value);
        const Probe probe{!Grid.Propagate(), Grid.TrailMark() - mark};
        for (int settled : Grid.TrailSince(mark + 1)) {
            if (use == Settled::Stamp) {
                ProbeOf[settled] = Epoch;
                FirstValue[settled] = Grid.At(settled);
            } else if (use == Settled::Gather && ProbeOf[settled] == Epoch &&
                       FirstValue[settled] == Grid.At(settled)) {
                Agreed.emplace_back(settled, Grid.At(settled));
            }
        }
        Grid.Undo(mark);
        if (probe.Contradicts && use == Settled::Gather)
            Agreed.clear();
        return probe;
    }

    bool SettleAgreed() {
        for (const auto& [cell, value] : Agreed)
            if (Grid.At(cell) == LineCell::Unknown)
                Grid.Assign(cell, value);
        Agreed.clear();
        return Grid.Propagate();
    }

    SolverGrid& Grid;
    SearchNodes& Nodes;
    std::vector<std::uint32_t> ProbeOf; // the probe that last settled each cell
    std::vector<LineCell> FirstValue; // the value it settled to there
    std::uint32_t Epoch = 0;
    std::vector<std::pair<int, LineCell>> Agreed;
};

} // namespace

ProbeResult ProbeGrid(SolverGrid& grid, SearchNodes& nodes, int& chosen) {
    return GridProber(grid, nodes).Run(chosen);
}
