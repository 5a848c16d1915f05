// Undo and redo over the history, its truncation, and recording when memory runs out.
#include "board/history.h"
#include "model/game_state.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>
#include <new>

namespace {

BoardTarget Cell(int col, int row) {
    return {BoardArea::GridCell, col, row};
}

void Click(GameState& game, const BoardTarget& target, ButtonKind kind = ButtonKind::Left) {
    ASSERT_TRUE(PressBox(game, target, kind).has_value());
}

std::vector<HistoryRecord> NumberedRecords(int count) {
    std::vector<HistoryRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back({0, i, 0, 0, 1});
    return records;
}

void FailingAppend(std::vector<HistoryRecord>&, const HistoryRecord&) {
    throw std::bad_alloc();
}

} // namespace

TEST(History, NewClickAfterUndosDropsTheUndoneRecords) {
    GameState game = GameFromPicture({"###"});
    for (int x = 0; x < 3; ++x)
        Click(game, Cell(x, 0));
    UndoAction(game);
    UndoAction(game);
    Click(game, Cell(2, 0), ButtonKind::Right);

    const std::vector<HistoryRecord> expected = {{0, 0, 0, 0, 1}, {0, 2, 0, 0, 2}};
    EXPECT_EQ(game.History, expected);
    EXPECT_EQ(game.HistoryIndex, 1);
    EXPECT_FALSE(RedoAction(game).has_value());
}

TEST(History, UndoPutsBackTheOldStateAndRedoTheNewOne) {
    GameState game = GameFromPicture({"#.", ".#"});
    const BoardTarget columnSlot{BoardArea::ColumnClueSlot, 1, 0};
    Click(game, Cell(1, 0), ButtonKind::Right);
    Click(game, columnSlot);
    const GameState played = game;

    const std::optional<BoardChange> undone = UndoAction(game);
    ASSERT_TRUE(undone.has_value());
    EXPECT_EQ(undone->Target, columnSlot);
    EXPECT_EQ(game.ColumnClues[1][0].State, 0);
    UndoAction(game);
    EXPECT_EQ(game.PlayerGrid.At(1, 0), 0);
    EXPECT_EQ(game.HistoryIndex, -1);
    EXPECT_FALSE(UndoAction(game).has_value());

    RedoAction(game);
    const std::optional<BoardChange> redone = RedoAction(game);
    ASSERT_TRUE(redone.has_value());
    EXPECT_EQ(redone->Target, columnSlot);
    EXPECT_EQ(game.PlayerGrid, played.PlayerGrid);
    EXPECT_EQ(game.ColumnClues, played.ColumnClues);
    EXPECT_EQ(game.History, played.History);
    EXPECT_EQ(game.HistoryIndex, 1);
    EXPECT_FALSE(RedoAction(game).has_value());
}

TEST(History, RecordsFromAFileThatPointOutsideTheGridAreSkippedHarmlessly) {
    GameState game = GameFromPicture({"#.", ".#"});
    game.History = {
        {0, 2, 0, 0, 1}, {0, 0, 2, 0, 1},  {1, 64, 0, 0, 1}, {1, 0, 2, 0, 1},
        {2, 2, 0, 0, 1}, {2, 0, -1, 0, 1}, {5, 0, 0, 0, 1},  {-1, 0, 0, 0, 1},
    };
    const std::vector<HistoryRecord> records = game.History;
    const GameState before = game;

    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_FALSE(RedoAction(game).has_value()) << "record " << i;
    EXPECT_EQ(game.HistoryIndex, static_cast<int>(records.size()) - 1);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_FALSE(UndoAction(game).has_value()) << "record " << i;
    EXPECT_EQ(game.HistoryIndex, -1);

    EXPECT_EQ(game.PlayerGrid, before.PlayerGrid);
    EXPECT_EQ(game.RowClues, before.RowClues);
    EXPECT_EQ(game.ColumnClues, before.ColumnClues);
    EXPECT_EQ(game.History, records);
}

TEST(History, NegativeStoredValueIsAssignedNotTakenForAPress) {
    GameState game = GameFromPicture({"#"});
    game.History = {{0, 0, 0, -1, 1}};
    game.HistoryIndex = 0;

    UndoAction(game);
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0xFFFF);
    EXPECT_EQ(game.History.size(), 1u);
    EXPECT_EQ(game.HistoryIndex, -1);
}

TEST(History, TruncateRemovesFromTheIndexToTheEnd) {
    struct Case {
        int from;
        std::size_t remaining;
    };
    const Case cases[] = {{0, 0}, {2, 2}, {3, 3}, {4, 4}, {9, 4}, {-1, 4}};
    for (const Case& c : cases) {
        GameState game;
        game.History = NumberedRecords(4);
        TruncateHistory(game, c.from);
        const std::vector<HistoryRecord> all = NumberedRecords(4);
        EXPECT_EQ(game.History, std::vector<HistoryRecord>(all.begin(), all.begin() + c.remaining))
            << "from " << c.from;
    }
}

TEST(History, OutOfMemoryKeepsTheIndexAndTheRedoTailDropped) {
    struct Case {
        int records;
        int index;
    };
    const Case cases[] = {{0, -1}, {3, 0}, {3, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records, index " << c.index);
        GameState game;
        game.History = NumberedRecords(c.records);
        game.HistoryIndex = c.index;

        EXPECT_FALSE(PushHistory(game, {0, 9, 9, 0, 1}, FailingAppend));
        EXPECT_EQ(game.HistoryIndex, c.index);
        EXPECT_EQ(game.History.size(), static_cast<std::size_t>(c.index + 1));
    }
}
