// Where the one game of the main window stands; every command's enabled state follows from it.
#pragma once

// A solved game still takes presses, undo and redo; only its clock has stopped, and it stays
// solved even when a press breaks the solution again, until it is paused or replaced.
enum class GamePhase { NoPuzzle, Paused, Running, Solved };
