// The texts of one game that the main window shows: clock, level, caption and prompt.
#pragma once

#include "game/game_phase.h"

#include <string>

struct PuzzleRecord;

// "Time: hh:mm:ss", each part at least two digits.
std::string FormatClock(int seconds);

// "Level: " and the level.
std::string LevelText(const PuzzleRecord& puzzle);

// "Quorvane [BETA]" until a puzzle is loaded, then "Quorvane - " and its name (UTF-8).
std::string CaptionText(GamePhase phase, const PuzzleRecord& puzzle);

// The message shown instead of the board while it is hidden; empty while the board shows.
std::string PromptText(GamePhase phase, int elapsedSeconds);
