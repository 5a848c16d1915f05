#include "game/command_states.h"

#include "model/game_state.h"

CommandStates CommandStatesFor(const GameState& game, bool clockRunning) {
    CommandStates states;
    // A refused file never unloads a game, so a game once loaded keeps these on for good.
    states.Save = game.GameLoaded;
    states.FileInformation = game.GameLoaded;
    if (!game.GameLoaded)
        return states;

    const bool playing = game.GameRunning && clockRunning;
    states.StartButton = !game.GameRunning;
    // A solved game still counts as running; its Start does nothing then.
    states.StartMenu = !playing;
    states.Pause = playing;
    if (game.GameRunning) {
        const auto count = static_cast<std::int32_t>(game.History.size());
        states.Undo = game.HistoryIndex >= 0;
        states.Redo = game.HistoryIndex < count - 1;
    }
    return states;
}
