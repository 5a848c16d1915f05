#include "game/main_menu.h"

#include "game/command_states.h"

const std::vector<MainMenuEntry>& MainMenus() {
    using enum MainCommand;
    using enum ShortcutKey;
    const auto Item = [](MainCommand command, const char* name, const char* caption,
                         Shortcut keys = {}) { return TableItem(command, name, caption, keys); };
    const auto Separator = TableSeparator<MainCommand>;
    const auto Menu = TableMenu<MainCommand>;
    static const std::vector<MainMenuEntry> menus = {
        Menu("Game1", "&Game",
             {Item(StartanewGame1, "StartanewGame1", "Start a new Game", {F2}), Separator(),
              Item(OpenSavedGame1, "OpenSavedGame1", "&Open Saved Game", {O, true}),
              Item(SaveGame1, "SaveGame1", "Save Game", {S, true}),
              Item(SaveGameas1, "SaveGameas1", "Save Game as"), Separator(),
              Item(SolvedPuzzles1, "SolvedPuzzles1", "Solved Puzzles"), Separator(),
              Item(Exit1, "Exit1", "&Exit")}),
        Menu("Play1", "&Play",
             {Item(Undo1, "Undo1", "Undo", {Z, true}), Item(Redo1, "Redo1", "Redo"), Separator(),
              Item(Start1, "Start1", "Start", {F5}), Item(Stop1, "Stop1", "&Pause", {F12}),
              Separator(), Item(ResetBoard1, "ResetBoard1", "Reset Puzzle", {Delete, true})}),
        Menu("Options1", "&Options",
             {Item(PuzzleEditor1, "PuzzleEditor1", "Puzzle Editor"),
              Item(FileInformation1, "FileInformation1", "File Information"), Separator(),
              Item(Preferences1, "Preferences1", "Preferences"),
              Menu("Size1", "Size",
                   {Item(Small1, "Small1", "Small"), Item(Medium1, "Medium1", "&Large")})}),
        Menu("Help1", "&?",
             {Item(Contents1, "Contents1", "&Contents", {F1}), Separator(),
              Item(About1, "About1", "About")}),
    };
    return menus;
}

const std::vector<MainToolButton>& MainToolButtons() {
    using enum MainCommand;
    static const std::vector<MainToolButton> buttons = {
        {"SpeedButton1", "Start a new game", 4, StartanewGame1},
        {"SpeedButton2", "Open Saved Game", 27, OpenSavedGame1},
        {"SpeedButton3", "Save current game to a file", 50, SaveGame1},
        {"SpeedButton4", "Start/Resume game", 81, StartResume},
        {"SpeedButton5", "Pause game", 104, Stop1},
        {"SpeedButton7", "Undo Last Action", 127, Undo1},
        {"SpeedButton8", "Redo", 150, Redo1},
        {"SpeedButton6", "Quorvane Help", 181, Contents1},
    };
    return buttons;
}

bool CommandEnabled(MainCommand command, const CommandStates& states) {
    switch (command) {
    case MainCommand::SaveGame1:
    case MainCommand::SaveGameas1:
        return states.Save;
    case MainCommand::FileInformation1:
        return states.FileInformation;
    case MainCommand::StartResume:
        return states.StartButton;
    case MainCommand::Start1:
        return states.StartMenu;
    case MainCommand::Stop1:
    case MainCommand::ResetBoard1:
        return states.Pause;
    case MainCommand::Undo1:
        return states.Undo;
    case MainCommand::Redo1:
        return states.Redo;
    default:
        return true;
    }
}
