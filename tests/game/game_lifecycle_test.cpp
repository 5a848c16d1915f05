// Loading, resetting, the clock and the texts of one game.
#include "game/game_lifecycle.h"
#include "model/game_state.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

TEST(GameLifecycle, ClockTextsHaveTwoDigitPartsAndGrowPastNinetyNineHours) {
    const std::pair<int, const char*> cases[] = {
        {0, "Time: 00:00:00"},       {59, "Time: 00:00:59"},
        {3599, "Time: 00:59:59"},    {3600, "Time: 01:00:00"},
        {3725, "Time: 01:02:05"},    {359999, "Time: 99:59:59"},
        {360000, "Time: 100:00:00"}, {2147483647, "Time: 596523:14:07"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatClock(seconds), text) << seconds;
}

TEST(GameLifecycle, BeginGameStartsAFreshPausedUnsavedGame) {
    GameState game = GameFromPicture({"##", ".."});
    game.GameRunning = true;
    game.GameSaved = true;
    game.CompletionShown = true;
    game.ElapsedSeconds = 77;
    game.SavedGamePath = "/tmp/old.qvs";
    game.PlayerGrid.Set(0, 0, CellState::Marked);
    game.RowClues[0][0].State = 2;
    game.History = {{0, 0, 0, 0, 1}};
    game.HistoryIndex = 0;

    PuzzleRecord next = PuzzleFromPicture({"#.", ".#"});
    next.Name.Assign("Steps");
    BeginGame(game, next);

    EXPECT_EQ(game.Puzzle, next);
    EXPECT_TRUE(game.GameLoaded);
    EXPECT_FALSE(game.GameRunning);
    EXPECT_FALSE(game.GameSaved);
    EXPECT_FALSE(game.CompletionShown);
    EXPECT_EQ(game.ElapsedSeconds, 0);
    EXPECT_EQ(game.SavedGamePath, "");
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0);
    EXPECT_EQ(game.RowClues[0][0].State, 0);
    EXPECT_EQ(game.RowClues[1][0].Value, 1);
    EXPECT_TRUE(game.History.empty());
    EXPECT_EQ(game.HistoryIndex, -1);
    EXPECT_EQ(CaptionText(game), "Quorvane - Steps");
}

TEST(GameLifecycle, ResetKeepsWhatBelongsToTheGameNotThePlay) {
    GameState game;
    BeginGame(game, PuzzleFromPicture({"#.", ".."}));
    game.GameRunning = true;
    game.GameSaved = true;
    game.CompletionShown = true;
    game.SavedGamePath = "/tmp/kept.qvs";
    game.ElapsedSeconds = 300;
    game.PlayerGrid.Set(0, 0, CellState::Filled);
    game.History = {{0, 0, 0, 0, 1}};
    game.HistoryIndex = 0;

    ResetPlay(game);

    EXPECT_FALSE(game.GameRunning);
    EXPECT_EQ(game.ElapsedSeconds, 0);
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0);
    // The empty row and column are excluded again.
    EXPECT_EQ(game.PlayerGrid.At(1, 1), static_cast<std::uint16_t>(CellState::Excluded));
    EXPECT_TRUE(game.History.empty());
    EXPECT_EQ(game.HistoryIndex, -1);
    EXPECT_TRUE(game.GameSaved);
    EXPECT_TRUE(game.CompletionShown);
    EXPECT_EQ(game.SavedGamePath, "/tmp/kept.qvs");
    EXPECT_EQ(PromptText(game), "Press F5 to start game");
}

TEST(GameLifecycle, PromptFollowsTheState) {
    GameState game;
    EXPECT_EQ(PromptText(game), "Press F2 to start a new game");
    EXPECT_EQ(CaptionText(game), "Quorvane [BETA]");
    BeginGame(game, PuzzleFromPicture({"#"}));
    EXPECT_EQ(PromptText(game), "Press F5 to start game");
    game.GameRunning = true;
    EXPECT_EQ(PromptText(game), "");
    game.ElapsedSeconds = 1;
    game.GameRunning = false;
    EXPECT_EQ(PromptText(game), "Press F5 to resume game");
}

TEST(GameLifecycle, TextsShowTheLevelAndTheNameInUtf8) {
    GameState game;
    PuzzleRecord puzzle = PuzzleFromPicture({"#"});
    puzzle.Level = 10;
    puzzle.Name.Assign("Caf\xE9");
    BeginGame(game, puzzle);
    EXPECT_EQ(LevelText(game), "Level: 10");
    EXPECT_EQ(CaptionText(game), "Quorvane - Caf\xC3\xA9");
}

TEST(GameLifecycle, ResumedGameTakesTheStatesButDerivesTheClues) {
    SavedGame saved;
    saved.Puzzle = PuzzleFromPicture({"##.", "...", "#.#"});
    saved.PlayerGrid.Set(0, 1, CellState::Empty); // a clue-less row the player had emptied
    saved.PlayerGrid.Set(0, 0, CellState::Filled);
    saved.RowClues[0][0] = {7, 2};    // a damaged value beside a real state
    saved.ColumnClues[2][0] = {0, 1}; // a state on column 2's clue
    saved.ElapsedSeconds = 90;
    saved.History = {{0, 0, 0, 0, 1}, {0, 1, 0, 0, 1}};
    saved.HistoryIndex = 0;

    GameState game;
    game.CompletionShown = true;
    ResumeSavedGame(game, saved, "/tmp/s.qvs");

    EXPECT_TRUE(game.GameLoaded);
    EXPECT_FALSE(game.GameRunning);
    EXPECT_TRUE(game.GameSaved);
    EXPECT_FALSE(game.CompletionShown);
    EXPECT_EQ(game.SavedGamePath, "/tmp/s.qvs");
    EXPECT_EQ(game.RowClues[0][0].Value, 2);
    EXPECT_EQ(game.RowClues[0][0].State, 2);
    EXPECT_EQ(game.ColumnClues[2][0].Value, 1);
    EXPECT_EQ(game.ColumnClues[2][0].State, 1);
    EXPECT_EQ(game.PlayerGrid.At(0, 1), static_cast<std::uint16_t>(CellState::Excluded));
    EXPECT_EQ(game.PlayerGrid.At(0, 0), static_cast<std::uint16_t>(CellState::Filled));
    EXPECT_EQ(game.ElapsedSeconds, 90);
    EXPECT_EQ(game.History, saved.History);
    EXPECT_EQ(game.HistoryIndex, 0);
    EXPECT_EQ(PromptText(game), "Press F5 to resume game");
}
