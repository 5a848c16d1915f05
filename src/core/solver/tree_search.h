// The depth-first search back end: guesses with probing at every node, for up to two solutions.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

#include <cstdint>
#include <optional>

// Searches a propagated, open grid until two solutions are found, the tree is exhausted, or the
// budget runs out, and sets the report's outcome and solutions. Each guess tries filled first,
// or the drawn picture's value of the cell when one is given. Once the first solution is found,
// `nodesPastFirst`, when given, caps what the search may spend looking for a second.
void SearchTree(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, const Picture* drawn,
                std::optional<std::uint64_t> nodesPastFirst = std::nullopt);
