// The main window's menus and tool buttons as one table, which both programs build their menus,
// shortcuts and buttons from, and which says each command's enabled state.
#pragma once

#include "base/menu_table.h"

#include <vector>

struct CommandStates;

// Every command of the main window, under the name of its menu item; StartResume is the start
// and resume tool button, which has an enabled state of its own.
enum class MainCommand {
    StartanewGame1,
    OpenSavedGame1,
    SaveGame1,
    SaveGameas1,
    SolvedPuzzles1,
    Exit1,
    Undo1,
    Redo1,
    Start1,
    Stop1,
    ResetBoard1,
    PuzzleEditor1,
    FileInformation1,
    Preferences1,
    Small1,
    Medium1,
    Contents1,
    About1,
    StartResume,
};

using MainMenuEntry = MenuEntry<MainCommand>;
using MainToolButton = ToolButtonRow<MainCommand>;

// The menu bar, left to right.
const std::vector<MainMenuEntry>& MainMenus();
// The tool bar, left to right.
const std::vector<MainToolButton>& MainToolButtons();

// Whether the command can be given in the states the game is in; commands no state governs are
// always enabled.
bool CommandEnabled(MainCommand command, const CommandStates& states);
