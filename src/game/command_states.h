// Which of the main window's commands are enabled, from the state of the game alone.
#pragma once

struct GameState;

// Commands not listed here (new game, open, solved list, exit, editor, preferences, size, help,
// about) are enabled in every state.
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

// clockRunning: the one-second timer is on. A solved game runs with its clock stopped.
CommandStates CommandStatesFor(const GameState& game, bool clockRunning);
