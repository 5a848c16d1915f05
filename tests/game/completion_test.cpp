// The duration and congratulations texts shown when a puzzle is solved.
#include "game/completion.h"
#include "model/game_state.h"

#include <gtest/gtest.h>

TEST(Completion, DurationTextLeavesOutZeroPartsAndAlwaysUsesPlurals) {
    struct Case {
        int seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "No time"},
        {1, "1 seconds"},
        {59, "59 seconds"},
        {65, "1 minutes and 5 seconds"},
        {120, "2 minutes"},
        {3600, "1 hours"},
        {3605, "1 hours and 5 seconds"},
        {3660, "1 hours, 1 minutes"},
        {3725, "1 hours, 2 minutes and 5 seconds"},
        {90061, "25 hours, 1 minutes and 1 seconds"},
        {-30, "No time"}, // a damaged saved game's clock
    };
    for (const Case& c : cases)
        EXPECT_EQ(DurationText(c.seconds), c.text) << c.seconds << " seconds";
}

TEST(Completion, CongratulationsNameTheLevelAndTheTime) {
    GameState game;
    game.Puzzle.Level = 12;
    game.ElapsedSeconds = 59;
    EXPECT_EQ(CongratulationsText(game),
              "Congratulations! You 've just completed a level 12 puzzle in 59 seconds");
}
