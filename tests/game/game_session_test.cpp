// The one game of the main window: loads, reset, the clock, the texts and what each phase allows.
#include "game/game_session.h"
#include "game/game_texts.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// One filled cell beside a clue-less column: a left press on (0, 0) solves it.
const std::vector<std::string> Pair = {"#."};
constexpr BoardTarget FirstCell{BoardArea::GridCell, 0, 0};

GameSession InPhase(GamePhase phase) {
    GameSession session;
    if (phase == GamePhase::NoPuzzle)
        return session;
    session.LoadPuzzle(PuzzleFromPicture(Pair));
    if (phase == GamePhase::Paused)
        return session;
    session.Start();
    // A recorded press that does not solve, so undo has something to take back.
    session.Press({BoardArea::RowClueSlot, 0, 0}, ButtonKind::Left);
    if (phase == GamePhase::Solved)
        session.Press(FirstCell, ButtonKind::Left);
    return session;
}

} // namespace

TEST(GameSession, ClockTextsHaveTwoDigitPartsAndGrowPastNinetyNineHours) {
    const std::pair<int, const char*> cases[] = {
        {0, "Time: 00:00:00"},       {59, "Time: 00:00:59"},
        {3599, "Time: 00:59:59"},    {3600, "Time: 01:00:00"},
        {3725, "Time: 01:02:05"},    {359999, "Time: 99:59:59"},
        {360000, "Time: 100:00:00"}, {2147483647, "Time: 596523:14:07"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatClock(seconds), text) << seconds;
}

TEST(GameSession, EveryCommandInEveryPhase) {
    enum class Command { LoadPuzzle, LoadSavedGame, Start, Pause, Reset, Press, Undo, Redo, Tick };
    struct Case {
        GamePhase before;
        Command command;
        bool accepted;
        GamePhase after;
    };
    using P = GamePhase;
    using C = Command;
    const Case cases[] = {
        {P::NoPuzzle, C::LoadPuzzle, true, P::Paused},
        {P::Paused, C::LoadPuzzle, true, P::Paused},
        {P::Running, C::LoadPuzzle, true, P::Paused},
        {P::Solved, C::LoadPuzzle, true, P::Paused},
        {P::NoPuzzle, C::LoadSavedGame, true, P::Paused},
        {P::Running, C::LoadSavedGame, true, P::Paused},
        {P::Solved, C::LoadSavedGame, true, P::Paused},
        {P::NoPuzzle, C::Start, false, P::NoPuzzle},
        {P::Paused, C::Start, true, P::Running},
        {P::Running, C::Start, false, P::Running},
        {P::Solved, C::Start, false, P::Solved},
        {P::NoPuzzle, C::Pause, false, P::NoPuzzle},
        {P::Paused, C::Pause, false, P::Paused},
        {P::Running, C::Pause, true, P::Paused},
        {P::Solved, C::Pause, true, P::Paused},
        {P::NoPuzzle, C::Reset, false, P::NoPuzzle},
        {P::Paused, C::Reset, false, P::Paused},
        {P::Running, C::Reset, true, P::Paused},
        {P::Solved, C::Reset, false, P::Solved},
        {P::NoPuzzle, C::Press, false, P::NoPuzzle},
        {P::Paused, C::Press, false, P::Paused},
        {P::Running, C::Press, true, P::Running},
        {P::Solved, C::Press, true, P::Solved},
        {P::NoPuzzle, C::Undo, false, P::NoPuzzle},
        {P::Paused, C::Undo, false, P::Paused},
        {P::Running, C::Undo, true, P::Running},
        {P::Solved, C::Undo, true, P::Solved},
        {P::NoPuzzle, C::Redo, false, P::NoPuzzle},
        {P::Paused, C::Redo, false, P::Paused},
        {P::Running, C::Redo, true, P::Running},
        {P::Solved, C::Redo, true, P::Solved},
        {P::NoPuzzle, C::Tick, false, P::NoPuzzle},
        {P::Paused, C::Tick, false, P::Paused},
        {P::Running, C::Tick, true, P::Running},
        {P::Solved, C::Tick, false, P::Solved},
    };
    SavedGame saved;
    saved.Puzzle = PuzzleFromPicture(Pair);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << static_cast<int>(c.before) << ", command "
                                        << static_cast<int>(c.command));
        GameSession session = InPhase(c.before);
        ASSERT_EQ(session.Phase(), c.before);
        const GameState before = session.Game();
        SessionChange change;
        switch (c.command) {
        case C::LoadPuzzle:
            change = session.LoadPuzzle(PuzzleFromPicture(Pair));
            break;
        case C::LoadSavedGame:
            change = session.LoadSavedGame(saved, "/tmp/x.qvs");
            break;
        case C::Start:
            change = session.Start();
            break;
        case C::Pause:
            change = session.Pause();
            break;
        case C::Reset:
            change = session.Reset();
            break;
        case C::Press:
            change = session.Press({BoardArea::RowClueSlot, 0, 0}, ButtonKind::Left);
            break;
        case C::Undo:
            change = session.Undo();
            break;
        case C::Redo:
            change = session.Redo();
            break;
        case C::Tick:
            change = session.Tick();
            break;
        }
        EXPECT_EQ(change.Accepted, c.accepted);
        EXPECT_EQ(session.Phase(), c.after);
        EXPECT_EQ(change.PhaseChanged, c.before != c.after);
        if (!c.accepted) {
            EXPECT_EQ(session.Game().PlayerGrid, before.PlayerGrid);
            EXPECT_EQ(session.Game().RowClues, before.RowClues);
            EXPECT_EQ(session.Game().History, before.History);
            EXPECT_EQ(session.Game().ElapsedSeconds, before.ElapsedSeconds);
        }
    }
}

TEST(GameSession, LoadedPuzzleStartsAFreshPausedUnsavedGame) {
    GameSession session = InPhase(GamePhase::Solved);
    session.Tick();
    session.UseSavedGamePath("/tmp/old.qvs");
    session.MarkSaved();
    PuzzleRecord next = PuzzleFromPicture({"#.", ".#"});
    next.Name.Assign("Steps");

    const SessionChange change = session.LoadPuzzle(next);

    EXPECT_TRUE(change.GameReplaced && change.BoardRebuilt && change.ClockChanged);
    const GameState& game = session.Game();
    EXPECT_EQ(game.Puzzle, next);
    EXPECT_EQ(session.Phase(), GamePhase::Paused);
    EXPECT_FALSE(session.Saved());
    EXPECT_FALSE(session.CompletionShown());
    EXPECT_EQ(game.ElapsedSeconds, 0);
    EXPECT_EQ(session.SavedGamePath(), "");
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0);
    EXPECT_EQ(game.RowClues[1][0].Value, 1);
    EXPECT_TRUE(game.History.empty());
    EXPECT_EQ(game.HistoryIndex, -1);
    EXPECT_EQ(CaptionText(session.Phase(), game.Puzzle), "Quorvane - Steps");
}

TEST(GameSession, ResetKeepsWhatBelongsToTheGameNotThePlay) {
    GameSession session;
    session.LoadPuzzle(PuzzleFromPicture({"#.", ".."}));
    session.Start();
    session.Press({BoardArea::GridCell, 0, 0}, ButtonKind::Right);
    session.Tick();
    session.UseSavedGamePath("/tmp/kept.qvs");
    session.MarkSaved();

    session.Reset();

    const GameState& game = session.Game();
    EXPECT_EQ(session.Phase(), GamePhase::Paused);
    EXPECT_EQ(game.ElapsedSeconds, 0);
    EXPECT_EQ(game.PlayerGrid.At(0, 0), 0);
    // The empty row and column are excluded again.
    EXPECT_EQ(game.PlayerGrid.At(1, 1), static_cast<std::uint16_t>(CellState::Excluded));
    EXPECT_TRUE(game.History.empty());
    EXPECT_EQ(game.HistoryIndex, -1);
    EXPECT_TRUE(session.Saved());
    EXPECT_EQ(session.SavedGamePath(), "/tmp/kept.qvs");
    EXPECT_EQ(PromptText(session.Phase(), game.ElapsedSeconds), "Press F5 to start game");
}

TEST(GameSession, EveryPressUndoAndRedoMarksTheGameChangedAndNothingElse) {
    SavedGame saved;
    saved.Puzzle = PuzzleFromPicture(Pair);
    // A record of a row clue, then one naming no box, as a damaged file may hold.
    saved.History = {{1, 0, 0, 0, 1}, {0, 9, 9, 0, 1}};
    saved.HistoryIndex = 0;
    struct Case {
        const char* command;
        std::function<void(GameSession&)> run; // on a saved, running game
        bool saved;
    };
    const auto stepTwice = [](SessionChange (GameSession::*step)()) {
        return [step](GameSession& session) {
            (session.*step)();
            session.MarkSaved();
            (session.*step)();
        };
    };
    const Case cases[] = {
        {"press", [](GameSession& s) { s.Press(FirstCell, ButtonKind::Left); }, false},
        {"press changing nothing", [](GameSession& s) { s.Press(FirstCell, ButtonKind::Other); },
         false},
        {"press outside the grid",
         [](GameSession& s) {
             s.Press({BoardArea::GridCell, 9, 9}, ButtonKind::Left);
         },
         false},
        {"undo", [](GameSession& s) { s.Undo(); }, false},
        {"redo of a record naming no box", [](GameSession& s) { s.Redo(); }, false},
        {"undo with nothing to undo", stepTwice(&GameSession::Undo), true},
        {"redo with nothing to redo", stepTwice(&GameSession::Redo), true},
        {"tick", [](GameSession& s) { s.Tick(); }, true},
        {"pause and start",
         [](GameSession& s) {
             s.Pause();
             s.Start();
         },
         true},
        {"reset", [](GameSession& s) { s.Reset(); }, true},
    };
    for (const Case& c : cases) {
        GameSession session;
        session.LoadSavedGame(saved, "/tmp/s.qvs");
        session.Start();
        ASSERT_TRUE(session.Saved());
        c.run(session);
        EXPECT_EQ(session.Saved(), c.saved) << c.command;
    }
}

TEST(GameSession, SolvingIsAnnouncedOnceUntilTheSolutionBreaks) {
    GameSession session = InPhase(GamePhase::Running);
    EXPECT_TRUE(session.Press(FirstCell, ButtonKind::Left).AnnounceCompletion);
    EXPECT_FALSE(
        session.Press({BoardArea::RowClueSlot, 0, 0}, ButtonKind::Left).AnnounceCompletion);
    session.Undo(); // the clue
    session.Undo(); // the filled cell: no longer solved, and the clock stays stopped
    EXPECT_EQ(session.Phase(), GamePhase::Solved);
    EXPECT_FALSE(session.CompletionShown());
    EXPECT_TRUE(session.Redo().AnnounceCompletion);
}

TEST(GameSession, PromptAndCaptionFollowThePhase) {
    const PuzzleRecord puzzle = [] {
        PuzzleRecord record = PuzzleFromPicture({"#"});
        record.Level = 10;
        record.Name.Assign("Caf\xE9");
        return record;
    }();
    EXPECT_EQ(PromptText(GamePhase::NoPuzzle, 0), "Press F2 to start a new game");
    EXPECT_EQ(PromptText(GamePhase::Paused, 0), "Press F5 to start game");
    EXPECT_EQ(PromptText(GamePhase::Paused, 1), "Press F5 to resume game");
    EXPECT_EQ(PromptText(GamePhase::Running, 1), "");
    EXPECT_EQ(PromptText(GamePhase::Solved, 1), "");
    EXPECT_EQ(CaptionText(GamePhase::NoPuzzle, puzzle), "Quorvane [BETA]");
    EXPECT_EQ(CaptionText(GamePhase::Paused, puzzle), "Quorvane - Caf\xC3\xA9");
    EXPECT_EQ(LevelText(puzzle), "Level: 10");
}

TEST(GameSession, SavedGameTakesTheStatesButDerivesTheClues) {
    SavedGame saved;
    saved.Puzzle = PuzzleFromPicture({"##.", "...", "#.#"});
    saved.PlayerGrid.Set(0, 1, CellState::Empty); // a clue-less row the player had emptied
    saved.PlayerGrid.Set(0, 0, CellState::Filled);
    saved.RowClues[0][0] = {7, 2};    // a damaged value beside a real state
    saved.ColumnClues[2][0] = {0, 1}; // a state on column 2's clue
    saved.ElapsedSeconds = 90;
    saved.History = {{0, 0, 0, 0, 1}, {0, 1, 0, 0, 1}};
    saved.HistoryIndex = 0;

    GameSession session = InPhase(GamePhase::Solved);
    session.LoadSavedGame(saved, "/tmp/s.qvs");

    const GameState& game = session.Game();
    EXPECT_EQ(session.Phase(), GamePhase::Paused);
    EXPECT_TRUE(session.Saved());
    EXPECT_FALSE(session.CompletionShown());
    EXPECT_EQ(session.SavedGamePath(), "/tmp/s.qvs");
    EXPECT_EQ(game.RowClues[0][0].Value, 2);
    EXPECT_EQ(game.RowClues[0][0].State, 2);
    EXPECT_EQ(game.ColumnClues[2][0].Value, 1);
    EXPECT_EQ(game.ColumnClues[2][0].State, 1);
    EXPECT_EQ(game.PlayerGrid.At(0, 1), static_cast<std::uint16_t>(CellState::Excluded));
    EXPECT_EQ(game.PlayerGrid.At(0, 0), static_cast<std::uint16_t>(CellState::Filled));
    EXPECT_EQ(game.ElapsedSeconds, 90);
    EXPECT_EQ(game.History, saved.History);
    EXPECT_EQ(game.HistoryIndex, 0);
}
