// The puzzle editor's menus and tool buttons as one table, which both programs build from, and
// which says each command's enabled state.
#pragma once

#include "base/menu_table.h"

#include <vector>

enum class EditorCommand {
    New1,
    Open1,
    Save1,
    Saveas1,
    Exit1,
    ClearPuzzle1,
    ImportFromBitmap1,
    EditInformation1,
    CheckPuzzle1,
    Contents1,
    About1,
};

using EditorMenuEntry = MenuEntry<EditorCommand>;
using EditorToolButton = ToolButtonRow<EditorCommand>;

// The menu bar, left to right.
const std::vector<EditorMenuEntry>& EditorMenus();
// The tool bar, left to right.
const std::vector<EditorToolButton>& EditorToolButtons();

// The menu whose every item follows the grid: without a grid on screen there is no puzzle to
// change, check or import into.
inline constexpr const char* EditorPuzzleMenu = "Puzzle1";

// Save, Save as and the Puzzle menu's items need a grid on screen; the others are always enabled.
bool EditorCommandEnabled(EditorCommand command, bool gridShown);
