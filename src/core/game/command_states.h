// Which of the main window's commands are enabled, from the phase of the game and its history.
#pragma once

#include "game/game_phase.h"

struct GameState;

// Commands not listed here (new game, open, solved list, exit, editor, preferences, size, help,
// about) are enabled in every phase.
struct CommandStates {
    bool Save = false;            // SpeedButton3, SaveGame1, SaveGameas1
    bool FileInformation = false; // FileInformation1
    bool StartButton = false;     // SpeedButton4
    bool StartMenu = false;       // Start1
    bool Pause = false;           // SpeedButton5, Stop1, ResetBoard1
    bool Undo = false;            // Undo1, SpeedButton7
    bool Redo = false;            // Redo1, SpeedButton8

    bool operator==(const CommandStates&) const = default;
};

CommandStates CommandStatesFor(GamePhase phase, const GameState& game);
