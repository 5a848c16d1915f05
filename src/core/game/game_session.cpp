#include "game/game_session.h"

#include "board/history.h"
#include "model/derive_clues.h"
#include "model/saved_game_file.h"
#include "model/solved_cells.h"

namespace {

// An empty grid, fresh clues with the clue-less lines excluded, no history.
void FreshPlay(GameState& game) {
    game.ClearPlayState();
    DeriveClues(game);
    game.History.clear();
    game.HistoryIndex = -1;
}

SessionChange Replaced(SessionChange change) {
    change.GameReplaced = true;
    change.BoardRebuilt = true;
    change.ClockChanged = true;
    return change;
}

} // namespace

SessionChange GameSession::EnterPhase(GamePhase phase) {
    SessionChange change;
    change.Accepted = true;
    change.PhaseChanged = phase != Phase_;
    Phase_ = phase;
    return change;
}

SessionChange GameSession::LoadPuzzle(const PuzzleRecord& puzzle) {
    State.Puzzle = puzzle;
    State.Reserved = {};
    Saved_ = false;
    CompletionShown_ = false;
    SavedGamePath_.clear();
    State.ElapsedSeconds = 0;
    FreshPlay(State);
    return Replaced(EnterPhase(GamePhase::Paused));
}

SessionChange GameSession::LoadSavedGame(const SavedGame& saved, const std::string& path) {
    State.Puzzle = saved.Puzzle;
    State.Reserved = saved.Reserved;
    Saved_ = true;
    CompletionShown_ = false;
    SavedGamePath_ = path;
    // Derivation writes only the slots the new picture has: the rest must not keep old runs.
    // It also excludes the cells of clue-less lines again; of the stored clue tables only the
    // player's highlight states are taken, so a damaged file cannot show clues the picture lacks.
    State.ClearPlayState();
    State.PlayerGrid = saved.PlayerGrid;
    DeriveClues(State);
    for (int line = 0; line < MaxGridSide; ++line)
        for (std::size_t slot = 0; slot < MaxCluesPerLine; ++slot) {
            State.ColumnClues[line][slot].State = saved.ColumnClues[line][slot].State;
            State.RowClues[line][slot].State = saved.RowClues[line][slot].State;
        }
    State.ElapsedSeconds = saved.ElapsedSeconds;
    State.History = saved.History;
    State.HistoryIndex = saved.HistoryIndex;
    return Replaced(EnterPhase(GamePhase::Paused));
}

SessionChange GameSession::Start() {
    if (Phase_ != GamePhase::Paused)
        return {};
    return EnterPhase(GamePhase::Running);
}

SessionChange GameSession::Pause() {
    if (!BoardLive())
        return {};
    return EnterPhase(GamePhase::Paused);
}

SessionChange GameSession::Reset() {
    if (Phase_ != GamePhase::Running)
        return {};
    SessionChange change = EnterPhase(GamePhase::Paused);
    State.ElapsedSeconds = 0;
    FreshPlay(State);
    change.ClockChanged = true;
    change.BoardRebuilt = true;
    return change;
}

SessionChange GameSession::Press(const BoardTarget& target, ButtonKind kind) {
    if (!BoardLive())
        return {};
    // Every press is recorded, one that leaves its box as it was included, so each one counts.
    Saved_ = false;
    return BoardChanged(PressBox(State, target, kind));
}

SessionChange GameSession::Undo() {
    return StepHistory(UndoAction);
}

SessionChange GameSession::Redo() {
    return StepHistory(RedoAction);
}

SessionChange GameSession::StepHistory(std::optional<BoardChange> (*step)(GameState&)) {
    if (!BoardLive())
        return {};
    const std::int32_t index = State.HistoryIndex;
    const std::optional<BoardChange> change = step(State);
    // A record naming no box still moves the index, and so still counts.
    if (State.HistoryIndex != index)
        Saved_ = false;
    return BoardChanged(change);
}

SessionChange GameSession::Tick() {
    if (Phase_ != GamePhase::Running)
        return {};
    ++State.ElapsedSeconds;
    SessionChange change;
    change.Accepted = true;
    change.ClockChanged = true;
    return change;
}

SessionChange GameSession::BoardChanged(const std::optional<BoardChange>& boxChange) {
    SessionChange change;
    if (GridMatchesSolution(State)) {
        change = EnterPhase(GamePhase::Solved);
        change.AnnounceCompletion = !CompletionShown_;
        CompletionShown_ = true;
    } else {
        change.Accepted = true;
        CompletionShown_ = false;
    }
    if (boxChange) {
        change.Box = boxChange->Target;
        change.RecordLost = boxChange->RecordLost;
    }
    return change;
}
