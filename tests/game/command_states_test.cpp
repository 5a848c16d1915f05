// The enabled commands in each phase of a game.
#include "game/command_states.h"
#include "model/game_state.h"

#include <gtest/gtest.h>

namespace {

GameState WithHistory(int records = 0, int index = -1) {
    GameState game;
    game.History.resize(static_cast<std::size_t>(records));
    game.HistoryIndex = index;
    return game;
}

} // namespace

TEST(CommandStates, FollowThePhaseTable) {
    struct Case {
        const char* state;
        GamePhase phase;
        GameState game;
        CommandStates expected;
    };
    //                 Save   Info   SB4    Start1 Pause  Undo   Redo
    const Case cases[] = {
        {"start-up",
         GamePhase::NoPuzzle,
         WithHistory(),
         {false, false, false, false, false, false, false}},
        {"paused",
         GamePhase::Paused,
         WithHistory(3, 1),
         {true, true, true, true, false, false, false}},
        {"running, empty history",
         GamePhase::Running,
         WithHistory(),
         {true, true, false, false, true, false, false}},
        {"running, middle of history",
         GamePhase::Running,
         WithHistory(3, 1),
         {true, true, false, false, true, true, true}},
        {"running, all undone",
         GamePhase::Running,
         WithHistory(3, -1),
         {true, true, false, false, true, false, true}},
        {"running, nothing to redo",
         GamePhase::Running,
         WithHistory(3, 2),
         {true, true, false, false, true, true, false}},
        {"solved",
         GamePhase::Solved,
         WithHistory(2, 1),
         {true, true, false, true, false, true, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandStatesFor(c.phase, c.game), c.expected) << c.state;
}
