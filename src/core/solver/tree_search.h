// The depth-first search back end: guesses with probing at every node, for up to two solutions.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

#include <cstdint>

// Searches a propagated, open grid until two solutions are found, the tree is exhausted, or the
// budget runs out, and sets the report's outcome and solutions. Each guess tries filled first,
// or the drawn picture's value of the cell when one is given: the search then goes straight to
// the drawing and looks for a second solution from there.
void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, const Picture* drawn);

// What a search near a known solution may spend past the way down to it: about a tenth of a second
// on a 30 x 30 grid.
constexpr std::uint64_t NearSearchNodes = 60'000;

// Looks for a second solution near a known one on a propagated, open grid: the search goes down to
// it and backtracks from there, with NearSearchNodes to spend past the way down, which costs at
// most a node a cell. True, with the outcome Several and both solutions in the report, when it
// finds one; otherwise the report is left as it was. The grid is left as it was either way.
bool SearchNearSolution(SolverGrid& grid, SearchNodes& nodes, const Picture& known,
                        SolveReport& report);
