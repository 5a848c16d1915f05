// The one operation that changes the board: a press on a cell or clue, or a state set by undo.
#pragma once

#include "board/board_target.h"

#include <cstdint>
#include <optional>

struct GameState;

// Any button but the left and the right one leaves every state as it is.
enum class ButtonKind { Other = 0, Left = 1, Right = 2 };

// Left empties anything but an empty cell, which it fills; right never empties a cell but turns
// it excluded, then toggles between excluded and marked.
std::uint16_t NextCellState(std::uint16_t state, ButtonKind kind);

// Both buttons step normal, marked, finalised, normal; a state read from a saved game outside
// these three is drawn as normal and so steps on as normal.
std::uint16_t NextClueState(std::uint16_t state, ButtonKind kind);

// What an action did, so the window can redraw that one box and report a lost record.
struct BoardChange {
    BoardTarget Target;
    std::uint16_t OldState = 0;
    std::uint16_t NewState = 0;
    bool RecordLost = false; // the press changed the board but memory ran out for its record
};

// Both calls change only the board and the history; whether the game is saved is the caller's.
// A target outside the puzzle (history records come from files and may hold anything) changes
// no state and gives no change.

// A player's press: the new state follows from the button, and the change is recorded.
std::optional<BoardChange> PressBox(GameState& game, const BoardTarget& target, ButtonKind kind);

// Undo and redo store a state as it is, recording nothing.
std::optional<BoardChange> SetBoxState(GameState& game, const BoardTarget& target,
                                       std::uint16_t state);
