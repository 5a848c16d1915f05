// Two complete searches at once: the learning search and the SAT back end.
#pragma once

#include "solver/puzzle_solver.h"
#include "solver/search_nodes.h"
#include "solver/solver_grid.h"

#include <chrono>

// The learning search's share of its thread. It seldom wins a race it has not won by then, and
// CaDiCaL with its defaults, which takes over the thread, beats the other thread's settings on many
// of the hardest puzzles.
constexpr std::chrono::microseconds LearningTimeInRace = std::chrono::seconds(2);

// Searches a propagated grid with the learning search and the SAT back end at once, each on a
// copy of its own and half of what is left of the budget, and sets the report from whichever
// reaches a verdict first; the other is stopped. Neither is the faster on every puzzle, and each
// is often the faster by far, so the race takes about the time of the faster one. After
// `learningTime` the learning search gives its thread to CaDiCaL with its default settings.
void RaceSearches(const SolverGrid& grid, SearchNodes& nodes, SolveReport& report,
                  std::chrono::microseconds learningTime = LearningTimeInRace);
