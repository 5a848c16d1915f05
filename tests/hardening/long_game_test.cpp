// A long game on a large puzzle: ten thousand presses, undos and redos, saved and reopened.
#include "hardening/large_game.h"
#include "model/saved_game_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

void UndoAll(GameSession& session) {
    while (session.Game().HistoryIndex >= 0)
        ASSERT_TRUE(session.Undo().Accepted);
}

void RedoTo(GameSession& session, std::int32_t index) {
    while (session.Game().HistoryIndex < index)
        ASSERT_TRUE(session.Redo().Accepted);
}

} // namespace

// Undoing every move of the reopened game must give the empty start, and redoing as far as the
// game stood the grid that was saved: a history record that did not round-trip, or was recorded
// wrong during the game, breaks the chain.
TEST(LongGame, TenThousandMovesReopenAsPlayedAndUndoToTheStart) {
    GameSession session;
    session.LoadPuzzle(LargePuzzle());
    const GameState start = session.Game();
    session.Start();
    std::mt19937 random(20240);
    const ScriptCounts counts = PlayScript(session, session.Game(), random, 10000);
    const GameState& played = session.Game();
    ASSERT_GT(counts.Undos, 1000);
    ASSERT_GT(counts.Redos, 500);
    ASSERT_GT(played.History.size(), 1000u);

    TempFolder folder;
    const std::filesystem::path path = folder / "long.qvs";
    ASSERT_EQ(WriteSavedGameFile(path, played), "");
    SavedGame saved;
    ASSERT_EQ(ReadSavedGameFile(path, saved), FileReadStatus::Ok);
    GameSession reopened;
    reopened.LoadSavedGame(saved, path.string());
    const GameState& game = reopened.Game();
    EXPECT_TRUE(game.PlayerGrid == played.PlayerGrid);
    EXPECT_TRUE(game.RowClues == played.RowClues);
    EXPECT_TRUE(game.ColumnClues == played.ColumnClues);
    EXPECT_EQ(game.History, played.History);
    EXPECT_EQ(game.HistoryIndex, played.HistoryIndex);
    EXPECT_EQ(game.ElapsedSeconds, played.ElapsedSeconds);
    EXPECT_EQ(EncodeSavedGame(game), ReadBytes(path));

    reopened.Start();
    UndoAll(reopened);
    EXPECT_TRUE(game.PlayerGrid == start.PlayerGrid);
    EXPECT_TRUE(game.RowClues == start.RowClues);
    EXPECT_TRUE(game.ColumnClues == start.ColumnClues);
    RedoTo(reopened, played.HistoryIndex);
    EXPECT_TRUE(game.PlayerGrid == played.PlayerGrid);
    EXPECT_TRUE(game.RowClues == played.RowClues);
    EXPECT_TRUE(game.ColumnClues == played.ColumnClues);
}
