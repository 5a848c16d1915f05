#include "editor/editor_menu.h"

const std::vector<EditorMenuEntry>& EditorMenus() {
    using enum EditorCommand;
    using enum ShortcutKey;
    const auto Item = [](EditorCommand command, const char* name, const char* caption,
                         Shortcut keys = {}) { return TableItem(command, name, caption, keys); };
    const auto Separator = TableSeparator<EditorCommand>;
    const auto Menu = TableMenu<EditorCommand>;
    static const std::vector<EditorMenuEntry> menus = {
        Menu("File1", "&File",
             {Item(New1, "New1", "&New"), Item(Open1, "Open1", "&Open", {O, true}),
              Item(Save1, "Save1", "&Save", {S, true}), Item(Saveas1, "Saveas1", "&Save as"),
              Separator(), Item(Exit1, "Exit1", "&Exit")}),
        Menu(EditorPuzzleMenu, "&Puzzle",
             {Item(ClearPuzzle1, "ClearPuzzle1", "&Clear Puzzle", {Delete, true}), Separator(),
              Item(ImportFromBitmap1, "ImportFromBitmap1", "Import From Bitmap"),
              Item(EditInformation1, "EditInformation1", "&Edit Puzzle Information", {I, true}),
              Item(CheckPuzzle1, "CheckPuzzle1", "Check Puzzle", {K, true})}),
        Menu("Help1", "&?",
             {Item(Contents1, "Contents1", "&Contents", {F1}), Separator(),
              Item(About1, "About1", "&About")}),
    };
    return menus;
}

const std::vector<EditorToolButton>& EditorToolButtons() {
    using enum EditorCommand;
    static const std::vector<EditorToolButton> buttons = {
        {"SpeedButton1", "Start a new game", 6, New1},
        {"SpeedButton2", "Open Saved Game", 30, Open1},
        {"SpeedButton3", "Save current game to a file", 54, Save1},
        {"SpeedButton6", "Quorvane Help", 84, Contents1},
    };
    return buttons;
}

bool EditorCommandEnabled(EditorCommand command, bool gridShown) {
    switch (command) {
    case EditorCommand::Save1:
    case EditorCommand::Saveas1:
    case EditorCommand::ClearPuzzle1:
    case EditorCommand::ImportFromBitmap1:
    case EditorCommand::EditInformation1:
    case EditorCommand::CheckPuzzle1:
        return gridShown;
    default:
        return true;
    }
}
