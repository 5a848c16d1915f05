// The rules of one game's life that need no window: loading, resetting, the clock and the texts.
#pragma once

#include <string>

struct GameState;
struct PuzzleRecord;

// Takes the record as a fresh game: flags, clock, saved-game path, play state, clues and history,
// paused and not yet saved.
void BeginGame(GameState& game, const PuzzleRecord& puzzle);

// Starts the current puzzle again from an empty grid with the clock at zero and no history;
// GameSaved, CompletionShown, SavedGamePath and the puzzle stay.
void ResetPlay(GameState& game);

// "Time: hh:mm:ss", each part at least two digits.
std::string FormatClock(int seconds);

// "Level: " and the level.
std::string LevelText(const GameState& game);

// "Quorvane [BETA]" until a puzzle is loaded, then "Quorvane - " and its name (UTF-8).
std::string CaptionText(const GameState& game);

// The message shown instead of the board while it is hidden; empty while the game runs.
std::string PromptText(const GameState& game);
