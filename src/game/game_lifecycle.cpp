#include "game/game_lifecycle.h"

#include "model/derive_clues.h"
#include "model/game_state.h"
#include "model/saved_game_file.h"
#include "platform/clock_text.h"
#include "platform/code_page.h"

namespace {

// Clears the play state and derives the clues afresh, with an empty history.
void FreshPlay(GameState& game) {
    game.ElapsedSeconds = 0;
    game.ClearPlayState();
    DeriveClues(game);
    game.History.clear();
    game.HistoryIndex = -1;
}

} // namespace

void BeginGame(GameState& game, const PuzzleRecord& puzzle) {
    game.Puzzle = puzzle;
    game.GameSaved = false;
    game.GameLoaded = true;
    game.GameRunning = false;
    game.SavedGamePath.clear();
    game.CompletionShown = false;
    game.Reserved = {};
    FreshPlay(game);
}

void ResumeSavedGame(GameState& game, const SavedGame& saved, const std::string& path) {
    game.Puzzle = saved.Puzzle;
    game.GameSaved = true;
    game.Reserved = saved.Reserved;
    // Derivation writes only the slots the new picture has: the rest must not keep old runs.
    game.ClearPlayState();
    game.PlayerGrid = saved.PlayerGrid;
    game.GameLoaded = true;
    game.GameRunning = false;
    game.SavedGamePath = path;
    game.CompletionShown = false;
    DeriveClues(game);
    for (int line = 0; line < MaxGridSide; ++line)
        for (std::size_t slot = 0; slot < MaxCluesPerLine; ++slot) {
            game.ColumnClues[line][slot].State = saved.ColumnClues[line][slot].State;
            game.RowClues[line][slot].State = saved.RowClues[line][slot].State;
        }
    game.ElapsedSeconds = saved.ElapsedSeconds;
    game.History = saved.History;
    game.HistoryIndex = saved.HistoryIndex;
}

void ResetPlay(GameState& game) {
    game.GameRunning = false;
    FreshPlay(game);
}

std::string FormatClock(int seconds) {
    return "Time: " + TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds % 3600 / 60) + ":" +
           TwoDigits(seconds % 60);
}

std::string LevelText(const GameState& game) {
    return "Level: " + std::to_string(game.Puzzle.Level);
}

std::string CaptionText(const GameState& game) {
    if (!game.GameLoaded)
        return "Quorvane [BETA]";
    return "Quorvane - " + Utf8FromCp1252(game.Puzzle.Name.Text());
}

std::string PromptText(const GameState& game) {
    if (!game.GameLoaded)
        return game.GameRunning ? "" : "Press F2 to start a new game";
    if (game.GameRunning)
        return "";
    return game.ElapsedSeconds > 0 ? "Press F5 to resume game" : "Press F5 to start game";
}
