// The SAT back end: whether a propagated grid's open cells have none, one or several completions.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

// How CaDiCaL is set up. Without chronological backtracking, ternary resolution and failed-literal
// probing it finds a first solution sooner on most puzzles; its defaults do better on the hardest.
enum class SatSettings { QuickFirstSolution, Defaults };

// Encodes every line as its automaton, with the known cells as unit clauses, and asks CaDiCaL
// for a solution; then searches near it for another, and failing that asks CaDiCaL again with a
// clause that excludes the first on the open cells. The grid is left as it was.
// Sets the report's outcome and solutions. Each call to CaDiCaL is one node, and what is left of
// the budget bounds its conflicts; a cancel stops it at once through its terminate hook.
void SearchSat(SolverGrid& grid, SearchNodes& nodes, SolveReport& report,
               SatSettings settings = SatSettings::QuickFirstSolution);
