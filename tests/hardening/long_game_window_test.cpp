// A long game played through the game window: presses as mouse clicks, undo and redo as the
// menu's commands, saved by the menu and reopened in a second window.
#include "board/board_view.h"
#include "hardening/large_game.h"
#include "model/saved_game_file.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QTest>

namespace {

// Each move goes to the window and to a game session of the core, which keeps the game the
// window must end with.
struct WindowAndSession {
    Tfmainform& Window;
    GameSession Session;

    void Press(const BoardTarget& target, ButtonKind kind) {
        Session.Press(target, kind);
        const PixelRect box = Window.Geometry().BoxOf(target);
        // The board is larger than the screen: the box is scrolled into sight, as a player would.
        auto* view = Window.ClientArea()->findChild<BoardView*>();
        view->Reveal(box);
        const QPoint centre = QPoint(BoardLeft + (box.Left + box.Right) / 2,
                                     BoardTop + (box.Top + box.Bottom) / 2) -
                              view->ScrollOffset();
        ClickClient(*Window.ClientArea(),
                    kind == ButtonKind::Left ? Qt::LeftButton : Qt::RightButton, centre);
    }
    void Undo() {
        Session.Undo();
        Control<QAction>(Window, "Undo1")->trigger();
    }
    void Redo() {
        Session.Redo();
        Control<QAction>(Window, "Redo1")->trigger();
    }
};

} // namespace

class LongGameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void TenThousandMovesThroughTheWindowSaveAndReopen() {
        MainformHarness harness;
        const std::filesystem::path puzzle = harness.Folder / "large.qvf";
        QCOMPARE(WritePuzzleFile(puzzle, LargePuzzle()), std::string());
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        mainform->LoadPuzzle(puzzle);
        mainform->StartGame();
        WindowAndSession player{*mainform, {}};
        player.Session.LoadPuzzle(LargePuzzle());
        player.Session.Start();
        std::mt19937 random(4096);
        PlayScript(player, player.Session.Game(), random, 10000);
        QVERIFY(mainform->Game().History.size() > 1000);
        const std::vector<std::uint8_t> expected = EncodeSavedGame(player.Session.Game());
        QCOMPARE(EncodeSavedGame(mainform->Game()), expected);

        const std::filesystem::path path = harness.Folder / "long.qvs";
        harness.Files.Answers = {path};
        Control<QAction>(*mainform, "SaveGame1")->trigger();
        QVERIFY(harness.Messages.Shown.isEmpty());
        QCOMPARE(ReadBytes(path), expected);
        mainform.reset();
        auto reopened = harness.Create();
        reopened->LoadSavedGame(path);
        QCOMPARE(EncodeSavedGame(reopened->Game()), expected);
    }
};

QTEST_MAIN(LongGameWindowTest)
#include "long_game_window_test.moc"
