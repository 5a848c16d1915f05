// Clues derived from a solution, and the cells they exclude from the start.
#include "model/derive_clues.h"
#include "support/puzzle_pictures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAreArray;

namespace {

// The clue values of one line, without its empty trailing slots.
std::vector<int> Values(const ClueLine& line) {
    std::vector<int> values;
    for (const ClueEntry& entry : line)
        if (entry.Value != 0)
            values.push_back(entry.Value);
    return values;
}

} // namespace

TEST(DeriveClues, RunsAreListedFromTheLeftAndFromTheTop) {
    GameState game = GameFromPicture({
        "##.#.",
        ".....",
        "#####",
        "#..##",
    });
    DeriveClues(game);

    EXPECT_THAT(Values(game.RowClues[0]), ElementsAreArray({2, 1}));
    EXPECT_THAT(Values(game.RowClues[1]), ElementsAreArray(std::vector<int>{}));
    EXPECT_THAT(Values(game.RowClues[2]), ElementsAreArray({5}));
    EXPECT_THAT(Values(game.RowClues[3]), ElementsAreArray({1, 2}));
    EXPECT_THAT(Values(game.ColumnClues[0]), ElementsAreArray({1, 2}));
    EXPECT_THAT(Values(game.ColumnClues[2]), ElementsAreArray({1}));
    EXPECT_THAT(Values(game.ColumnClues[3]), ElementsAreArray({1, 2}));
    EXPECT_EQ(game.RowClueSlots, 2);
    EXPECT_EQ(game.ColumnClueSlots, 2);
    // A row with fewer clues than the widest keeps zero in its trailing slots.
    EXPECT_EQ(game.RowClues[2][0].Value, 5);
    EXPECT_EQ(game.RowClues[2][1].Value, 0);
}

TEST(DeriveClues, FullLineGivesOneClueOfItsLength) {
    GameState game = GameFromPicture({std::string(128, '#')});
    DeriveClues(game);
    EXPECT_THAT(Values(game.RowClues[0]), ElementsAreArray({128}));
    EXPECT_EQ(game.RowClueSlots, 1);
}

TEST(DeriveClues, AlternatingLinesFillEveryClueSlot) {
    std::string alternating;
    for (int i = 0; i < 128; ++i)
        alternating += i % 2 == 0 ? '#' : '.';
    GameState game =
        GameFromPicture({alternating, alternating.substr(0, 64) + std::string(64, '.')});
    DeriveClues(game);

    EXPECT_EQ(Values(game.RowClues[0]), std::vector<int>(MaxCluesPerLine, 1));
    EXPECT_EQ(Values(game.RowClues[1]), std::vector<int>(32, 1));
    EXPECT_EQ(game.RowClueSlots, MaxCluesPerLine);
}

TEST(DeriveClues, LineWithoutCluesStartsExcludedRowsBeforeColumns) {
    GameState game = GameFromPicture({
        "#..",
        "...",
        "#..",
    });
    DeriveClues(game);

    const auto excluded = static_cast<std::uint16_t>(CellState::Excluded);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(game.PlayerGrid.At(x, 1), excluded) << "empty row, x " << x;
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(game.PlayerGrid.At(1, y), excluded) << "empty column 1, y " << y;
        EXPECT_EQ(game.PlayerGrid.At(2, y), excluded) << "empty column 2, y " << y;
    }
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0);
    EXPECT_EQ(game.PlayerGrid.At(0, 2), 0);
    // Cells outside the puzzle are never touched.
    EXPECT_EQ(game.PlayerGrid.At(3, 1), 0);
    EXPECT_EQ(game.PlayerGrid.At(0, 3), 0);
}

TEST(DeriveClues, EmptyPuzzleStartsWithEveryCellExcluded) {
    GameState game = GameFromPicture({"....", "....", "...."});
    DeriveClues(game);
    EXPECT_EQ(game.RowClueSlots, 0);
    EXPECT_EQ(game.ColumnClueSlots, 0);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(game.PlayerGrid.At(x, y), static_cast<std::uint16_t>(CellState::Excluded));
}

TEST(DeriveClues, CellsOfOtherValuesNeitherCountNorEndARun) {
    GameState game = GameFromPicture({"......"});
    const std::uint16_t cells[] = {1, 7, 1, 0, 2, 1};
    for (int x = 0; x < 6; ++x)
        game.Puzzle.Solution.At(x, 0) = cells[x];
    DeriveClues(game);
    // 1, 7, 1 is one run of two; the run after the 2 is still open at the end of the line.
    EXPECT_THAT(Values(game.RowClues[0]), ElementsAreArray({2, 1}));
}

TEST(DeriveClues, KeepsPlayerClueStates) {
    GameState game = GameFromPicture({"#.#"});
    game.RowClues[0][1].State = static_cast<std::uint16_t>(ClueState::Finalised);
    DeriveClues(game);
    EXPECT_EQ(game.RowClues[0][1].Value, 1);
    EXPECT_EQ(game.RowClues[0][1].State, static_cast<std::uint16_t>(ClueState::Finalised));
}

TEST(DeriveClues, SizeOutsideTheGridDerivesNoMoreThanTheGrid) {
    GameState game = GameFromPicture({"#"});
    game.Puzzle.Width = 100000;
    game.Puzzle.Height = -5;
    DeriveClues(game);
    EXPECT_EQ(game.RowClueSlots, 0);
}
