// What a press on the board view hit, told the same way for every window that shows a board.
#pragma once

#include "board/board_action.h"

#include <Qt>
#include <optional>

struct BoardPress {
    std::optional<BoardTarget> Target; // empty where the press missed the board
    ButtonKind Button = ButtonKind::Other;
    Qt::KeyboardModifiers Modifiers;
};
