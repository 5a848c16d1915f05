// The depth-first search back end: guesses with probing at every node, for up to two solutions.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

// Searches a propagated, open grid until two solutions are found, the tree is exhausted, or the
// budget runs out, and sets the report's outcome and solutions. Each guess tries filled first,
// or the drawn picture's value of the cell when one is given: the search then goes straight to
// the drawing and looks for a second solution from there.
void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, const Picture* drawn);
