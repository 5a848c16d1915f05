// Probing: trying each value of a cell to see whether it contradicts.
#pragma once

#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

enum class ProbeResult { Contradiction, Open, Complete, OutOfBudget };

// Tries both values of every unknown cell next to a known one on a propagated grid, or of every
// unknown cell when none is next to a known one. A value that contradicts fixes the other, and
// cells both values settle alike are fixed too, since every solution has them; either prunes far
// more than it costs. Passes repeat until one fixes nothing. For an open grid, `chosen` is the
// cell to guess next: the one whose two values together settled the most cells (the largest
// product). Each probe is one search node.
ProbeResult ProbeGrid(SolverGrid& grid, SearchNodes& nodes, int& chosen);
