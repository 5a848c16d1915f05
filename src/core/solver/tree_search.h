// The depth-first search back end: guesses with probing at every node, for up to two solutions.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

// Searches a propagated, open grid until two solutions are found, the tree is exhausted, or the
// budget runs out, and sets the report's outcome and solutions.
void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report);
