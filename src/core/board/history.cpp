// The undo/redo history: a list of records and the index of the last one in effect.
#include "board/history.h"

#include "model/game_state.h"

#include <new>

namespace {

// Undo and redo store a value from the record as is; only a press may record.
std::optional<BoardChange> StoreRecordValue(GameState& game, const HistoryRecord& record,
                                            std::int32_t value) {
    const BoardTarget target{static_cast<BoardArea>(record.Area), record.Col, record.Row};
    // The value was a 16-bit state widened without sign; one from a damaged file keeps its low
    // 16 bits, as every stored state is 16 bits wide.
    return SetBoxState(game, target, static_cast<std::uint16_t>(value & 0xFFFF));
}

} // namespace

void TruncateHistory(GameState& game, std::int32_t from) {
    if (from < 0 || static_cast<std::size_t>(from) >= game.History.size())
        return;
    game.History.erase(game.History.begin() + from, game.History.end());
}

void AppendRecord(std::vector<HistoryRecord>& history, const HistoryRecord& record) {
    history.push_back(record);
}

bool PushHistory(GameState& game, const HistoryRecord& record, HistoryAppend append) {
    TruncateHistory(game, game.HistoryIndex + 1);
    try {
        append(game.History, record);
    } catch (const std::bad_alloc&) {
        return false;
    }
    game.HistoryIndex = static_cast<std::int32_t>(game.History.size()) - 1;
    return true;
}

std::optional<BoardChange> UndoAction(GameState& game) {
    const std::int32_t index = game.HistoryIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= game.History.size())
        return std::nullopt;
    const HistoryRecord record = game.History[static_cast<std::size_t>(index)];
    std::optional<BoardChange> change = StoreRecordValue(game, record, record.OldValue);
    game.HistoryIndex = index - 1;
    return change;
}

std::optional<BoardChange> RedoAction(GameState& game) {
    const std::int32_t next = game.HistoryIndex + 1;
    if (next < 0 || static_cast<std::size_t>(next) >= game.History.size())
        return std::nullopt;
    const HistoryRecord record = game.History[static_cast<std::size_t>(next)];
    std::optional<BoardChange> change = StoreRecordValue(game, record, record.NewValue);
    game.HistoryIndex = next;
    return change;
}
