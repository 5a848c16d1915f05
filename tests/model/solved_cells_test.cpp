// When the player's grid counts as the stored solution.
#include "model/derive_clues.h"
#include "model/solved_cells.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

TEST(SolvedCells, CellRuleForEveryStateAndSolutionValue) {
    struct Case {
        std::uint16_t player;
        std::uint16_t solution;
        bool right;
    };
    const Case cases[] = {
        {0, 0, true},  {1, 0, false}, {2, 0, true},  {3, 0, true},
        {0, 1, false}, {1, 1, true},  {2, 1, false}, {3, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellIsRight(c.player, c.solution), c.right)
            << "player " << c.player << " solution " << c.solution;
}

TEST(SolvedCells, GridMatchesOnlyTheStoredWay) {
    // Both diagonals fit these clues; only the stored one counts.
    GameState game = GameFromPicture({"#.", ".#"});
    DeriveClues(game);
    EXPECT_FALSE(GridMatchesSolution(game));

    game.PlayerGrid.Set(0, 1, CellState::Filled);
    game.PlayerGrid.Set(1, 0, CellState::Filled);
    EXPECT_FALSE(GridMatchesSolution(game));

    game.PlayerGrid.Set(0, 0, CellState::Filled);
    game.PlayerGrid.Set(1, 1, CellState::Filled);
    game.PlayerGrid.Set(0, 1, CellState::Marked);
    game.PlayerGrid.Set(1, 0, CellState::Excluded);
    EXPECT_TRUE(GridMatchesSolution(game));
}

TEST(SolvedCells, EmptyPuzzleIsSolvedFromTheStart) {
    GameState game = GameFromPicture({"...", "..."});
    DeriveClues(game);
    EXPECT_TRUE(GridMatchesSolution(game));
}

TEST(SolvedCells, CellsOutsideThePuzzleAreNotTested) {
    GameState game = GameFromPicture({"#"});
    game.PlayerGrid.Set(0, 0, CellState::Filled);
    game.PlayerGrid.Set(5, 5, CellState::Filled);
    EXPECT_TRUE(GridMatchesSolution(game));
}
