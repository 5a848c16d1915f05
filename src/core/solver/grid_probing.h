// Probing: trying each value of a cell to see whether it contradicts.
#pragma once

#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

enum class ProbeResult { Contradiction, Open, Complete, OutOfBudget };

// Tries both values of every unknown cell next to a known one on a propagated grid. A value that
// contradicts fixes the other, which prunes far more than it costs; passes repeat until one fixes
// nothing. For an open grid, `chosen` is the cell to guess next: the one whose weaker value
// settled the most cells. Each probe is one search node.
ProbeResult ProbeGrid(SolverGrid& grid, SearchNodes& nodes, int& chosen);
