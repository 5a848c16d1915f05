// A save that fails in the game window or the editor: the player is told why, the old file and
// the work in memory stay as they were, and the save succeeds whole once the fault clears.
#include "editor/editor_harness.h"
#include "hardening/file_faults.h"
#include "hardening/large_game.h"
#include "model/saved_game_file.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QTest>

namespace {

template <typename Window> void Trigger(Window& window, const char* name) {
    QAction* action = window.template findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(action != nullptr, name);
    action->trigger();
}

void PressCell(Tfmainform& mainform, Qt::MouseButton button, int column, int row) {
    const PixelRect box = mainform.Geometry().BoxOf({BoardArea::GridCell, column, row});
    ClickClient(*mainform.ClientArea(), button,
                QPoint(BoardLeft + box.Left + 5, BoardTop + box.Top + 5));
}

QString ErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::ptrdiff_t Entries(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

} // namespace

class SaveFaultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void GameWindowSaveFailuresSayWhyAndKeepTheGame() {
        MainformHarness harness;
        const std::filesystem::path puzzle = harness.Folder / "large.qvf";
        QCOMPARE(WritePuzzleFile(puzzle, LargePuzzle()), std::string());
        auto mainform = harness.Create();
        mainform->LoadPuzzle(puzzle);
        mainform->StartGame();
        PressCell(*mainform, Qt::LeftButton, 0, 0);
        const std::filesystem::path saves = harness.Folder / "Saved Games";
        const std::filesystem::path path = saves / "large.qvs";
        harness.Files.Answers = {path};
        Trigger(*mainform, "SaveGame1");
        const std::vector<std::uint8_t> old = ReadBytes(path);
        QVERIFY(!old.empty());
        mainform->StartGame();
        PressCell(*mainform, Qt::RightButton, 1, 0);
        PressCell(*mainform, Qt::LeftButton, 2, 5);
        const std::vector<std::uint8_t> game = EncodeSavedGame(mainform->Game());
        const std::ptrdiff_t entries = Entries(saves);

        FileFaults faults;
        faults.MaxWriteBytes = 4096;
        // Save: the disk fills part-way through the file.
        faults.Arm({FileCall::Write, 5, ENOSPC});
        Trigger(*mainform, "SaveGame1");
        QCOMPARE(faults.Failed(), 1);
        QVERIFY(harness.Messages.Shown.last().contains(ErrorText(ENOSPC)));
        QVERIFY(harness.Messages.Shown.last().contains(QString::fromStdString(path.string())));
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(Entries(saves), entries);
        QVERIFY(!mainform->Session().Saved());
        QCOMPARE(EncodeSavedGame(mainform->Game()), game);

        // Save as: the flush fails; nothing appears under the new name.
        const std::filesystem::path other = saves / "other.qvs";
        harness.Files.Answers = {other};
        faults.Arm({FileCall::Fsync, 1, EIO});
        Trigger(*mainform, "SaveGameas1");
        QCOMPARE(faults.Failed(), 2);
        QVERIFY(harness.Messages.Shown.last().contains(ErrorText(EIO)));
        QVERIFY(!std::filesystem::exists(other));
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(Entries(saves), entries);
        QVERIFY(!mainform->Session().Saved());
        QCOMPARE(EncodeSavedGame(mainform->Game()), game);

        // The fault clears: the save writes the whole game, and it reopens as it stands.
        const qsizetype messages = harness.Messages.Shown.size();
        harness.Files.Answers = {path};
        Trigger(*mainform, "SaveGameas1");
        QCOMPARE(harness.Messages.Shown.size(), messages);
        QVERIFY(mainform->Session().Saved());
        QCOMPARE(ReadBytes(path), game);
        auto reopened = harness.Create();
        reopened->LoadSavedGame(path);
        QCOMPARE(EncodeSavedGame(reopened->Game()), game);
        QCOMPARE(Entries(saves), entries);
    }

    void EditorSaveFailureSaysWhyAndKeepsTheFile() {
        EditorHarness harness;
        auto editor = harness.Open();
        const std::filesystem::path path = harness.Folder / "drawn.qvf";
        harness.Files.Answers = {path};
        const auto click = [&](int column, int row) {
            const QPoint centre = CellCentre(*editor, column, row);
            Press(*editor, Qt::LeftButton, centre.x(), centre.y());
        };
        click(0, 0);
        Trigger(*editor, "Save1");
        const std::vector<std::uint8_t> old = ReadBytes(path);
        QVERIFY(!old.empty());
        click(1, 1);
        click(2, 1);
        const CellGrid drawn = editor->Puzzle().Solution;
        const std::ptrdiff_t entries = Entries(harness.Folder.Path());

        FileFaults faults;
        faults.Arm({FileCall::Rename, 1, EACCES});
        Trigger(*editor, "Save1");
        QCOMPARE(faults.Failed(), 1);
        QVERIFY(harness.Messages.Shown.value(0).contains(ErrorText(EACCES)));
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(Entries(harness.Folder.Path()), entries);
        QVERIFY(editor->Puzzle().Solution == drawn);

        // A failed Save as leaves the editor on the file it had.
        const QString caption = editor->windowTitle();
        const std::filesystem::path other = harness.Folder / "other.qvf";
        harness.Files.Answers = {other};
        faults.Arm({FileCall::Write, 1, ENOSPC});
        Trigger(*editor, "Saveas1");
        QCOMPARE(harness.Messages.Shown.size(), 2);
        QCOMPARE(editor->windowTitle(), caption);
        QVERIFY(!std::filesystem::exists(other));

        Trigger(*editor, "Save1");
        QCOMPARE(harness.Messages.Shown.size(), 2);
        PuzzleRecord saved;
        QCOMPARE(ReadGamePuzzleFile(path, saved), FileReadStatus::Ok);
        QVERIFY(saved == editor->Puzzle());
        QVERIFY(saved.Solution == drawn);
        QCOMPARE(Entries(harness.Folder.Path()), entries);
    }
};

QTEST_MAIN(SaveFaultsWindowTest)
#include "save_faults_window_test.moc"
