// Board actions: the state tables of cells and clues and their recording.
#include "board/board_action.h"

#include "board/history.h"
#include "model/game_state.h"

#include <algorithm>

namespace {

bool InRange(int value, int end) {
    return value >= 0 && value < end;
}

// The stored state the target names, or null when it lies outside the puzzle. A damaged
// Width or Height is clamped to the storage, so no index reaches beyond the arrays.
std::uint16_t* StateAt(GameState& game, const BoardTarget& target) {
    const int width = std::clamp(game.Puzzle.Width, 0, MaxGridSide);
    const int height = std::clamp(game.Puzzle.Height, 0, MaxGridSide);
    switch (target.Area) {
    case BoardArea::GridCell:
        if (InRange(target.Col, width) && InRange(target.Row, height))
            return &game.PlayerGrid.At(target.Col, target.Row);
        break;
    case BoardArea::RowClueSlot:
        if (InRange(target.Col, MaxCluesPerLine) && InRange(target.Row, height))
            return &game.RowClues[target.Row][static_cast<std::size_t>(target.Col)].State;
        break;
    case BoardArea::ColumnClueSlot:
        if (InRange(target.Col, width) && InRange(target.Row, MaxCluesPerLine))
            return &game.ColumnClues[target.Col][static_cast<std::size_t>(target.Row)].State;
        break;
    }
    return nullptr;
}

} // namespace

std::uint16_t NextCellState(std::uint16_t state, ButtonKind kind) {
    constexpr auto empty = static_cast<std::uint16_t>(CellState::Empty);
    constexpr auto filled = static_cast<std::uint16_t>(CellState::Filled);
    constexpr auto excluded = static_cast<std::uint16_t>(CellState::Excluded);
    constexpr auto marked = static_cast<std::uint16_t>(CellState::Marked);
    switch (kind) {
    case ButtonKind::Left:
        return state == empty ? filled : empty;
    case ButtonKind::Right:
        return state == excluded ? marked : excluded;
    case ButtonKind::Other:
        break;
    }
    return state;
}

std::uint16_t NextClueState(std::uint16_t state, ButtonKind kind) {
    if (kind == ButtonKind::Other)
        return state;
    switch (static_cast<ClueState>(state)) {
    case ClueState::Marked:
        return static_cast<std::uint16_t>(ClueState::Finalised);
    case ClueState::Finalised:
        return static_cast<std::uint16_t>(ClueState::Normal);
    default:
        return static_cast<std::uint16_t>(ClueState::Marked);
    }
}

std::optional<BoardChange> PressBox(GameState& game, const BoardTarget& target, ButtonKind kind) {
    std::uint16_t* const state = StateAt(game, target);
    if (state == nullptr)
        return std::nullopt;
    BoardChange change{target, *state, *state, false};
    change.NewState = target.Area == BoardArea::GridCell ? NextCellState(*state, kind)
                                                         : NextClueState(*state, kind);
    *state = change.NewState;
    const HistoryRecord record{static_cast<std::int32_t>(target.Area), target.Col, target.Row,
                               change.OldState, change.NewState};
    change.RecordLost = !PushHistory(game, record);
    return change;
}

std::optional<BoardChange> SetBoxState(GameState& game, const BoardTarget& target,
                                       std::uint16_t state) {
    std::uint16_t* const stored = StateAt(game, target);
    if (stored == nullptr)
        return std::nullopt;
    const BoardChange change{target, *stored, state, false};
    *stored = state;
    return change;
}
