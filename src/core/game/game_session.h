// The one game of the main window and its phase: every command a player gives runs here, and
// answers with what the window has to show for it.
#pragma once

#include "board/board_action.h"
#include "board/board_target.h"
#include "game/game_phase.h"
#include "model/game_state.h"

#include <optional>
#include <string>

struct SavedGame;

// What an operation changed. Nothing is set when the phase refused it.
struct SessionChange {
    bool Accepted = false;
    bool GameReplaced = false; // a load: caption, level and file information are new
    bool BoardRebuilt = false; // the whole board is drawn afresh and the window sized to it
    bool ClockChanged = false;
    bool PhaseChanged = false;       // the board shows or hides, the clock starts or stops
    std::optional<BoardTarget> Box;  // the one box a press, undo or redo changed
    bool AnnounceCompletion = false; // the grid has just become solved and is congratulated
    bool RecordLost = false;         // a press changed the board but could not be recorded
};

class GameSession {
public:
    GamePhase Phase() const { return Phase_; }
    const GameState& Game() const { return State; }
    bool Loaded() const { return Phase_ != GamePhase::NoPuzzle; }

    // Either load leaves the game paused; the record and the saved game are already checked.
    SessionChange LoadPuzzle(const PuzzleRecord& puzzle);
    SessionChange LoadSavedGame(const SavedGame& saved, const std::string& path);
    // Only a paused game starts.
    SessionChange Start();
    // A running or a solved game pauses.
    SessionChange Pause();
    // Only a running game is reset: paused, the clock at zero, an empty grid and no history.
    SessionChange Reset();
    // A player's press on a box of a running or solved game, recorded in the history.
    SessionChange Press(const BoardTarget& target, ButtonKind kind);
    SessionChange Undo();
    SessionChange Redo();
    // One second of a running game.
    SessionChange Tick();

    // Nothing has changed since the game was last saved or loaded from a saved game. A load of
    // a puzzle and every press, undo and redo clear it; start, pause and reset leave it alone.
    bool Saved() const { return Saved_; }
    void MarkSaved() { Saved_ = true; }
    // The present solved grid has been congratulated.
    bool CompletionShown() const { return CompletionShown_; }
    // The next completion is congratulated even when the grid was solved before.
    void ForgetCompletion() { CompletionShown_ = false; }
    // Where Save writes; empty when the game has no file yet.
    const std::string& SavedGamePath() const { return SavedGamePath_; }
    void UseSavedGamePath(std::string path) { SavedGamePath_ = std::move(path); }

private:
    SessionChange EnterPhase(GamePhase phase);
    // An undo or redo: a step counts as a change once the history index moves.
    SessionChange StepHistory(std::optional<BoardChange> (*step)(GameState&));
    // The box's change, then the test for a solved grid.
    SessionChange BoardChanged(const std::optional<BoardChange>& change);
    bool BoardLive() const { return Phase_ == GamePhase::Running || Phase_ == GamePhase::Solved; }

    GameState State;
    GamePhase Phase_ = GamePhase::NoPuzzle;
    bool Saved_ = false;
    bool CompletionShown_ = false;
    std::string SavedGamePath_;
};
