// The main window's file commands as both programs run them: what a refused saved game leaves.
#include "game/game_files.h"
#include "game/game_session.h"
#include "model/file_read.h"
#include "model/saved_game_file.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that records what it is told and answers the open dialog with a given file.
class RecordingWindow : public GameFileWindow {
public:
    std::filesystem::path OpenAnswer;
    std::vector<std::string> Errors;
    int Repaints = 0;

    void Show(const SessionChange&) override {}
    void RepaintWindow() override { ++Repaints; }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    bool AskYesNo(const std::string&) override { return false; }
    std::filesystem::path ChooseFileToSave(const std::filesystem::path&,
                                           std::string_view) override {
        return {};
    }
    std::filesystem::path ChooseFileToOpen(const std::filesystem::path&,
                                           std::string_view) override {
        return OpenAnswer;
    }
};

} // namespace

// A damaged saved game chosen with Open is refused whole: the player's game stays as it was,
// paused, and the message names the file. Both programs keep the game, rather than lose it.
TEST(GameFiles, ADamagedSavedGameKeepsThePlayersGame) {
    TempFolder folder;
    GameSession session;
    RecordingWindow window;
    GameFiles files(session, window);
    session.LoadPuzzle(PuzzleFromPicture({"#.", ".#"}));
    session.Start();
    session.Press({BoardArea::GridCell, 0, 0}, ButtonKind::Left);
    ASSERT_EQ(WriteSavedGameFile(folder / "good.qvs", session.Game()), "");
    session.Press({BoardArea::GridCell, 1, 0}, ButtonKind::Right);
    const GameState before = session.Game();

    std::vector<std::uint8_t> truncated = ReadBytes(folder / "good.qvs");
    truncated.resize(truncated.size() / 2);
    WriteBytes(folder / "damaged.qvs", truncated);
    window.OpenAnswer = folder / "damaged.qvs";
    files.LoadSavedGame({}, folder.Path());
    ASSERT_EQ(window.Errors.size(), 1u);
    EXPECT_EQ(window.Errors[0], FileReadMessage(FileReadStatus::Corrupted,
                                                (folder / "damaged.qvs").string()));
    EXPECT_TRUE(session.Loaded());
    EXPECT_EQ(session.Phase(), GamePhase::Paused);
    EXPECT_TRUE(session.Game().PlayerGrid == before.PlayerGrid);
    EXPECT_TRUE(session.Game().History == before.History);
    EXPECT_EQ(session.Game().Puzzle, before.Puzzle);

    // The good file, opened the same way, does replace the game: the refusal was the file's.
    window.OpenAnswer = folder / "good.qvs";
    files.LoadSavedGame({}, folder.Path());
    EXPECT_EQ(window.Errors.size(), 1u);
    EXPECT_EQ(session.Game().PlayerGrid.At(1, 0), 0);
    EXPECT_EQ(session.Game().PlayerGrid.At(0, 0), 1);
}
