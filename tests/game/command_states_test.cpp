// The enabled commands in each state of a game.
#include "game/command_states.h"
#include "model/game_state.h"

#include <gtest/gtest.h>

namespace {

GameState WithFlags(bool loaded, bool running, int records = 0, int index = -1) {
    GameState game;
    game.GameLoaded = loaded;
    game.GameRunning = running;
    game.History.resize(static_cast<std::size_t>(records));
    game.HistoryIndex = index;
    return game;
}

} // namespace

TEST(CommandStates, FollowTheStateTable) {
    struct Case {
        const char* state;
        GameState game;
        bool clockRunning;
        CommandStates expected;
    };
    //                 Save   Info   SB4    Start1 Pause  Undo   Redo
    const Case cases[] = {
        {"start-up",
         WithFlags(false, false),
         false,
         {false, false, false, false, false, false, false}},
        {"paused",
         WithFlags(true, false, 3, 1),
         false,
         {true, true, true, true, false, false, false}},
        {"running, empty history",
         WithFlags(true, true),
         true,
         {true, true, false, false, true, false, false}},
        {"running, middle of history",
         WithFlags(true, true, 3, 1),
         true,
         {true, true, false, false, true, true, true}},
        {"running, all undone",
         WithFlags(true, true, 3, -1),
         true,
         {true, true, false, false, true, false, true}},
        {"running, nothing to redo",
         WithFlags(true, true, 3, 2),
         true,
         {true, true, false, false, true, true, false}},
        {"solved",
         WithFlags(true, true, 2, 1),
         false,
         {true, true, false, true, false, true, false}},
        {"clock started with nothing loaded",
         WithFlags(false, true),
         true,
         {false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandStatesFor(c.game, c.clockRunning), c.expected) << c.state;
}
