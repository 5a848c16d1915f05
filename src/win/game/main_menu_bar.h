// The main window's menu bar and shortcuts, built from the core's table of commands.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Every menu, item and separator in the table's order, each item with its command id and its
// shortcut written after a tab.
HMENU CreateMainMenuBar();
// The table's shortcuts, each sending its item's command id.
HACCEL CreateMainAccelerators();
