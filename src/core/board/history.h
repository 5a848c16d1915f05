// The undo/redo history of the game in progress: recording, truncating, undo and redo.
#pragma once

#include "board/board_action.h"
#include "model/history_record.h"

#include <cstdint>
#include <optional>
#include <vector>

struct GameState;

// Removes the records from index from to the end; nothing when from is past the last one.
void TruncateHistory(GameState& game, std::int32_t from);

// How a record joins the list. Recording goes through it so a test can stand in for an
// allocation that fails; the program always uses AppendRecord.
using HistoryAppend = void (*)(std::vector<HistoryRecord>& history, const HistoryRecord& record);
void AppendRecord(std::vector<HistoryRecord>& history, const HistoryRecord& record);

// Drops the redo tail, then appends the record and makes it the one undo reverts. False when
// memory ran out: nothing is appended, HistoryIndex stays and the redo tail stays dropped.
bool PushHistory(GameState& game, const HistoryRecord& record, HistoryAppend append = AppendRecord);

// Stores the old state of the record at HistoryIndex and steps back. Nothing happens without
// such a record; a record naming a box outside the puzzle still moves the index, so one bad
// record from a file cannot block the history, and gives no change.
std::optional<BoardChange> UndoAction(GameState& game);

// Stores the new state of the record after HistoryIndex and steps forward, by the same rules.
std::optional<BoardChange> RedoAction(GameState& game);
