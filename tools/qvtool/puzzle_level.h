// The level (0..10) a puzzle is given from how hard the solver found it.
#pragma once

#include "solver/puzzle_solver.h"

#include <optional>

// Only a unique solution has a level; nothing for Several, None and Unknown.
std::optional<int> LevelFromReport(const SolveReport& report, int width, int height);
