#include "game/command_states.h"

#include "model/game_state.h"

CommandStates CommandStatesFor(GamePhase phase, const GameState& game) {
    CommandStates states;
    // A refused file never unloads a game, so a game once loaded keeps these on for good.
    states.Save = phase != GamePhase::NoPuzzle;
    states.FileInformation = states.Save;
    states.StartButton = phase == GamePhase::Paused;
    // A solved game still counts as running; its Start does nothing then.
    states.StartMenu = phase == GamePhase::Paused || phase == GamePhase::Solved;
    states.Pause = phase == GamePhase::Running;
    if (phase == GamePhase::Running || phase == GamePhase::Solved) {
        const auto count = static_cast<int>(game.History.size());
        states.Undo = game.HistoryIndex >= 0;
        states.Redo = game.HistoryIndex < count - 1;
    }
    return states;
}
