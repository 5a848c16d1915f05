// The rules of one game's life that need no window: loading, resetting, the clock and the texts.
#pragma once

#include <string>

struct GameState;
struct PuzzleRecord;
struct SavedGame;

// Takes the record as a fresh game: flags, clock, saved-game path, play state, clues and history,
// paused and not yet saved.
void BeginGame(GameState& game, const PuzzleRecord& puzzle);

// Takes a saved game as the game in progress, paused and counting as saved. The clues are
// derived from the puzzle afresh, which excludes the cells of clue-less lines again; of the stored
// clue tables only the player's highlight states are taken, so a damaged file cannot show clues
// the picture does not have.
void ResumeSavedGame(GameState& game, const SavedGame& saved, const std::string& path);

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
