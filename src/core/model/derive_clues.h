// Builds the clue tables of a game from its solution.
#pragma once

struct GameState;

// Writes the clue values and slot counts from Puzzle.Solution and excludes every cell of a line
// that has no clue. The caller clears the play state first, or overwrites the clue tables right
// afterwards from a saved game; clue states and slots past a line's last run are left alone.
void DeriveClues(GameState& game);
