// The texts of one game that the main window shows: clock, level, caption, prompt and errors.
#pragma once

#include "game/game_phase.h"

#include <string>
#include <string_view>

struct PuzzleRecord;

// "Time: hh:mm:ss", each part at least two digits.
std::string FormatClock(int seconds);

// "Level: " and the level.
std::string LevelText(const PuzzleRecord& puzzle);

// "Quorvane [BETA]" until a puzzle is loaded, then "Quorvane - " and its name (UTF-8).
std::string CaptionText(GamePhase phase, const PuzzleRecord& puzzle);

// The message shown instead of the board while it is hidden; empty while the board shows.
std::string PromptText(GamePhase phase, int elapsedSeconds);

// The message shown when a press could not be recorded; spelled as players know it.
constexpr std::string_view NotEnoughMemoryText = "Not Enought memory";
