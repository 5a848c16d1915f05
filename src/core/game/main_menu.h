// The main window's menus and tool buttons as one table, which both programs build their menus,
// shortcuts and buttons from, and which says each command's enabled state.
#pragma once

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

enum class ShortcutKey { None, F1, F2, F5, F12, O, S, Z, Delete };

struct Shortcut {
    ShortcutKey Key = ShortcutKey::None;
    bool Control = false;
};

// A menu item (Command set), a menu (Items not empty) or a separator (no Name).
struct MainMenuEntry {
    const char* Name = nullptr; // the item's member name, "StartanewGame1"
    const char* Caption = nullptr;
    MainCommand Command{};
    Shortcut Keys;
    std::vector<MainMenuEntry> Items;

    bool IsSeparator() const { return Name == nullptr; }
    bool IsMenu() const { return !Items.empty(); }
};

struct MainToolButton {
    const char* Name; // "SpeedButton1"
    const char* Hint;
    int X; // left edge in the tool panel
    MainCommand Command;
};

// The menu bar, left to right.
const std::vector<MainMenuEntry>& MainMenus();
// The tool bar, left to right.
const std::vector<MainToolButton>& MainToolButtons();

// Whether the command can be given in the states the game is in; commands no state governs are
// always enabled.
bool CommandEnabled(MainCommand command, const CommandStates& states);
