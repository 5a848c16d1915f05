// A line's clue as clauses for the SAT back end: the automaton that reads the line's cells.
#pragma once

#include "solver/line_solver.h"

#include <span>

namespace CaDiCaL {
class Solver;
}

// Adds clauses that hold exactly when the cells, whose variables are `cellVariables` along the
// line, spell the runs (all positive). The automaton has a state for each cell of each run and one
// for each gap; a variable says "after this many cells the automaton is in this state", and only
// states that the known cells leave reachable from both ends get one. New variables are numbered
// from `nextVariable`, which is returned past the last one used. The line must be consistent with
// its known cells.
int AddLineAutomaton(CaDiCaL::Solver& solver, std::span<const int> runs, const LineState& known,
                     std::span<const int> cellVariables, int nextVariable);
