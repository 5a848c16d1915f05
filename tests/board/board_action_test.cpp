// Presses on cells and clues: the state tables, what is stored where and what is recorded.
#include "board/board_action.h"
#include "model/game_state.h"
#include "model/solved_cells.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t Empty = 0, Filled = 1, Excluded = 2, Marked = 3;
constexpr std::uint16_t Normal = 0, ClueMarked = 1, Finalised = 2;

BoardTarget Cell(int col, int row) {
    return {BoardArea::GridCell, col, row};
}

void Press(GameState& game, const BoardTarget& target, ButtonKind kind, int times = 1) {
    for (int i = 0; i < times; ++i)
        PressBox(game, target, kind);
}

} // namespace

TEST(BoardAction, CellStateForEveryOldStateAndButton) {
    struct Case {
        std::uint16_t old;
        ButtonKind kind;
        std::uint16_t next;
    };
    const Case cases[] = {
        {Empty, ButtonKind::Left, Filled},
        {Filled, ButtonKind::Left, Empty},
        {Excluded, ButtonKind::Left, Empty},
        {Marked, ButtonKind::Left, Empty},
        {Empty, ButtonKind::Right, Excluded},
        {Filled, ButtonKind::Right, Excluded},
        {Excluded, ButtonKind::Right, Marked},
        {Marked, ButtonKind::Right, Excluded},
        {Empty, ButtonKind::Other, Empty},
        {Filled, ButtonKind::Other, Filled},
        {Excluded, ButtonKind::Other, Excluded},
        {Marked, ButtonKind::Other, Marked},
        // A value only a damaged file holds: the left button still empties it, the right one
        // never does.
        {7, ButtonKind::Left, Empty},
        {7, ButtonKind::Right, Excluded},
        {7, ButtonKind::Other, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextCellState(c.old, c.kind), c.next)
            << "old " << c.old << " kind " << static_cast<int>(c.kind);
}

TEST(BoardAction, ClueStateForEveryOldStateAndButton) {
    struct Case {
        std::uint16_t old;
        std::uint16_t next; // for both buttons
    };
    const Case cases[] = {
        {Normal, ClueMarked}, {ClueMarked, Finalised}, {Finalised, Normal}, {9, ClueMarked}};
    for (const Case& c : cases) {
        EXPECT_EQ(NextClueState(c.old, ButtonKind::Left), c.next) << "old " << c.old;
        EXPECT_EQ(NextClueState(c.old, ButtonKind::Right), c.next) << "old " << c.old;
        EXPECT_EQ(NextClueState(c.old, ButtonKind::Other), c.old) << "old " << c.old;
    }
}

TEST(BoardAction, PressChangesTheNamedBoxAndRecordsIt) {
    // Width 3 and height 2 differ, so a swapped column and row would land elsewhere.
    GameState game = GameFromPicture({"#..", ".#."});

    const std::optional<BoardChange> cell = PressBox(game, Cell(2, 1), ButtonKind::Left);
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->Target, Cell(2, 1));
    EXPECT_EQ(cell->OldState, Empty);
    EXPECT_EQ(cell->NewState, Filled);
    EXPECT_FALSE(cell->RecordLost);
    EXPECT_EQ(game.PlayerGrid.At(2, 1), Filled);

    const BoardTarget rowSlot{BoardArea::RowClueSlot, 5, 1};
    const BoardTarget columnSlot{BoardArea::ColumnClueSlot, 2, 4};
    Press(game, rowSlot, ButtonKind::Right);
    Press(game, columnSlot, ButtonKind::Left, 2);
    EXPECT_EQ(game.RowClues[1][5].State, ClueMarked);
    EXPECT_EQ(game.ColumnClues[2][4].State, Finalised);

    const std::vector<HistoryRecord> expected = {
        {0, 2, 1, Empty, Filled},
        {1, 5, 1, Normal, ClueMarked},
        {2, 2, 4, Normal, ClueMarked},
        {2, 2, 4, ClueMarked, Finalised},
    };
    EXPECT_EQ(game.History, expected);
    EXPECT_EQ(game.HistoryIndex, 3);
}

TEST(BoardAction, MiddlePressRecordsEqualStatesAndDropsTheRedoTail) {
    GameState game = GameFromPicture({"#.", ".#"});
    Press(game, Cell(0, 0), ButtonKind::Left);
    Press(game, Cell(1, 0), ButtonKind::Right);
    game.HistoryIndex = 0; // as after one undo

    Press(game, Cell(0, 0), ButtonKind::Other);
    EXPECT_EQ(game.PlayerGrid.At(0, 0), Filled);
    const std::vector<HistoryRecord> expected = {{0, 0, 0, Empty, Filled},
                                                 {0, 0, 0, Filled, Filled}};
    EXPECT_EQ(game.History, expected);
    EXPECT_EQ(game.HistoryIndex, 1);
}

TEST(BoardAction, TargetsOutsideThePuzzleChangeAndRecordNothing) {
    const BoardTarget outside[] = {
        Cell(3, 0),
        Cell(0, 2),
        Cell(-1, 0),
        Cell(0, -1),
        Cell(MaxGridSide, 0),
        {BoardArea::RowClueSlot, MaxCluesPerLine, 0},
        {BoardArea::RowClueSlot, 0, 2},
        {BoardArea::RowClueSlot, -1, 0},
        {BoardArea::ColumnClueSlot, 0, MaxCluesPerLine},
        {BoardArea::ColumnClueSlot, 3, 0},
        {BoardArea::ColumnClueSlot, 0, -1},
        {static_cast<BoardArea>(3), 0, 0},
    };
    const GameState before = GameFromPicture({"#..", ".#."});
    for (const BoardTarget& target : outside) {
        SCOPED_TRACE(testing::Message() << "area " << static_cast<int>(target.Area) << " col "
                                        << target.Col << " row " << target.Row);
        GameState game = before;
        EXPECT_FALSE(PressBox(game, target, ButtonKind::Left).has_value());
        EXPECT_FALSE(SetBoxState(game, target, Marked).has_value());
        EXPECT_EQ(game.PlayerGrid, before.PlayerGrid);
        EXPECT_EQ(game.RowClues, before.RowClues);
        EXPECT_EQ(game.ColumnClues, before.ColumnClues);
        EXPECT_TRUE(game.History.empty());
        EXPECT_EQ(game.HistoryIndex, -1);
    }
}

TEST(BoardAction, DamagedPuzzleSizeNeverReachesBeyondTheGrid) {
    GameState game = GameFromPicture({"#"});
    game.Puzzle.Width = 100000;
    game.Puzzle.Height = 100000;
    EXPECT_FALSE(PressBox(game, Cell(MaxGridSide, 0), ButtonKind::Left));
    EXPECT_FALSE(PressBox(game, {BoardArea::RowClueSlot, 0, MaxGridSide}, ButtonKind::Left));
    EXPECT_TRUE(PressBox(game, Cell(MaxGridSide - 1, MaxGridSide - 1), ButtonKind::Left));
}

TEST(BoardAction, PressesSolveWithAnyMixOfUnfilledCellsButNotWithAMarkedPictureCell) {
    GameState game = GameFromPicture({"#..", ".#."});
    Press(game, Cell(0, 0), ButtonKind::Left);
    Press(game, Cell(1, 1), ButtonKind::Left);
    // (1, 0) stays empty, (2, 0) is excluded, (0, 1) and (2, 1) are marked.
    Press(game, Cell(2, 0), ButtonKind::Right);
    Press(game, Cell(0, 1), ButtonKind::Right, 2);
    Press(game, Cell(2, 1), ButtonKind::Right, 4);
    EXPECT_TRUE(GridMatchesSolution(game));

    Press(game, Cell(1, 1), ButtonKind::Right, 2);
    EXPECT_EQ(game.PlayerGrid.At(1, 1), Marked);
    EXPECT_FALSE(GridMatchesSolution(game));
}
