// The command ids of the main window's menu items, tool buttons and shortcuts.
#pragma once

#include "game/main_menu.h"

constexpr int CommandIdBase = 1000;

constexpr int CommandId(MainCommand command) {
    return CommandIdBase + static_cast<int>(command);
}

constexpr MainCommand CommandOf(int id) {
    return static_cast<MainCommand>(id - CommandIdBase);
}

constexpr bool IsCommandId(int id) {
    return id >= CommandIdBase && id <= CommandId(MainCommand::StartResume);
}
