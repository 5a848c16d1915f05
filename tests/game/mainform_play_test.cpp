// Playing on the main window: presses on the board, undo and redo, and a whole game to the end.
#include "appearance/qt_colour.h"
#include "library/solved_records.h"
#include "settings/file_registry.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

// Five by five with three clues on each side of the grid.
const std::vector<std::string> Dots = {"#.#.#", ".....", "#.#.#", ".....", "#.#.#"};

std::filesystem::path WriteDots(MainformHarness& harness,
                                const std::string& fileName = "dots.qvf") {
    PuzzleRecord record = PuzzleFromPicture(Dots);
    record.Name.Assign("Dots");
    record.Level = 3;
    record.PuzzleId = Guid{0xD0757, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    const std::filesystem::path path = harness.Folder / fileName;
    WritePuzzleFile(path, record);
    return path;
}

std::unique_ptr<Tfmainform> RunningDots(MainformHarness& harness) {
    auto mainform = harness.Create();
    mainform->show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(mainform.get())); }();
    mainform->LoadPuzzle(WriteDots(harness));
    mainform->StartGame();
    return mainform;
}

QImage ClientImage(const Tfmainform& mainform) {
    return mainform.ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Press(Tfmainform& mainform, Qt::MouseButton button, int x, int y) {
    ClickClient(*mainform.ClientArea(), button, QPoint(x, y));
}

// A grid cell's centre in client coordinates.
QPoint CellCentre(const Tfmainform& mainform, int column, int row) {
    const PixelRect box = mainform.Geometry().BoxOf({BoardArea::GridCell, column, row});
    return {BoardLeft + box.Left + box.Width() / 2, BoardTop + box.Top + box.Height() / 2};
}

// Fills every cell of the solution with left presses.
void PressTheSolution(Tfmainform& mainform) {
    for (const int x : {0, 2, 4})
        for (const int y : {0, 2, 4}) {
            const QPoint centre = CellCentre(mainform, x, y);
            Press(mainform, Qt::LeftButton, centre.x(), centre.y());
        }
}

} // namespace

class MainformPlayTest : public QObject {
    Q_OBJECT

private slots:
    void PressLandsOnTheCellUnderIt() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        QCOMPARE(mainform->Geometry().RowClueSlots(), 3);
        QCOMPARE(mainform->Geometry().ColumnClueSlots(), 3);
        Press(*mainform, Qt::LeftButton, 10 + 3 * 15, 40 + 3 * 14);
        QCOMPARE(mainform->Game().PlayerGrid.At(0, 0), std::uint16_t{1});
        QVERIFY(!mainform->Session().Saved());
        QCOMPARE(mainform->Game().History.size(), 1u);
    }

    void PressesOffTheBoardChangeNothing() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        const GameState before = mainform->Game();
        const BoardGeometry geometry = mainform->Geometry();
        const QPoint misses[] = {
            {5, 100},
            {50, 35},
            {12, 45},
            {BoardLeft + geometry.Width() - 1, BoardTop + geometry.Height() - 20},
            {BoardLeft + 60, BoardTop + geometry.Height() - 1}};
        for (const QPoint& point : misses)
            Press(*mainform, Qt::LeftButton, point.x(), point.y());
        QVERIFY(mainform->Game().PlayerGrid == before.PlayerGrid);
        QVERIFY(mainform->Game().History.empty());

        mainform->PauseGame();
        const QPoint centre = CellCentre(*mainform, 0, 0);
        Press(*mainform, Qt::LeftButton, centre.x(), centre.y());
        QCOMPARE(mainform->Game().PlayerGrid.At(0, 0), std::uint16_t{0});
        QCOMPARE(mainform->ClientArea()->cursor().pixmap().toImage(),
                 QPixmap(QStringLiteral(":/cursors/HAND1"))
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void ButtonsStepCellsAndCluesThroughTheirStates() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        const QPoint cell = CellCentre(*mainform, 4, 4);
        std::vector<std::uint16_t> seen;
        for (int i = 0; i < 3; ++i) {
            Press(*mainform, Qt::RightButton, cell.x(), cell.y());
            seen.push_back(mainform->Game().PlayerGrid.At(4, 4));
        }
        Press(*mainform, Qt::LeftButton, cell.x(), cell.y());
        seen.push_back(mainform->Game().PlayerGrid.At(4, 4));
        QCOMPARE(seen, (std::vector<std::uint16_t>{2, 3, 2, 0}));

        // Row 0's leftmost clue: marked, finalised, normal.
        const PixelRect clue = mainform->Geometry().BoxOf({BoardArea::RowClueSlot, 0, 0});
        std::vector<std::uint16_t> states;
        for (int i = 0; i < 3; ++i) {
            Press(*mainform, Qt::LeftButton, BoardLeft + clue.Left + 7, BoardTop + clue.Top + 7);
            states.push_back(mainform->Game().RowClues[0][0].State);
        }
        QCOMPARE(states, (std::vector<std::uint16_t>{1, 2, 0}));

        // A middle press records an unchanged state and leaves undo on.
        Press(*mainform, Qt::MiddleButton, cell.x(), cell.y());
        const HistoryRecord last = mainform->Game().History.back();
        QCOMPARE(last.OldValue, last.NewValue);
        QVERIFY(Control<QAction>(*mainform, "Undo1")->isEnabled());
    }

    void OnlyThePressedBoxChangesAndUndoRedoRestoreIt() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        const QImage before = ClientImage(*mainform);
        const QPoint cell = CellCentre(*mainform, 2, 2);
        Press(*mainform, Qt::LeftButton, cell.x(), cell.y());
        const QImage after = ClientImage(*mainform);

        // The tool bar's undo button changes too; on the board only the pressed box may.
        const BoardGeometry geometry = mainform->Geometry();
        const PixelRect box = geometry.BoxOf({BoardArea::GridCell, 2, 2});
        const PixelRect rect{BoardLeft + box.Left, BoardTop + box.Top, BoardLeft + box.Right,
                             BoardTop + box.Bottom};
        int changed = 0;
        for (int y = BoardTop; y < BoardTop + geometry.Height(); ++y)
            for (int x = BoardLeft; x < BoardLeft + geometry.Width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    ++changed;
                    QVERIFY2(x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom,
                             qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
        QVERIFY(changed > 0);

        // Below the tool band: redo, now enabled, shows its button as it was not before.
        Control<QAction>(*mainform, "Undo1")->trigger();
        const QRect belowBand(0, ToolBandHeight, before.width(), before.height() - ToolBandHeight);
        QCOMPARE(ClientImage(*mainform).copy(belowBand), before.copy(belowBand));
        QVERIFY(!Control<QAction>(*mainform, "Undo1")->isEnabled());
        QVERIFY(Control<QAction>(*mainform, "Redo1")->isEnabled());
        Control<QAction>(*mainform, "Redo1")->trigger();
        QCOMPARE(ClientImage(*mainform), after);
    }

    void WholeGameIsCongratulatedAndRecordsTheBestTime() {
        MainformHarness harness;
        const std::filesystem::path path = WriteDots(harness);
        auto mainform = harness.Create({path.string()});
        mainform->show();
        QApplication::setActiveWindow(mainform.get());
        QVERIFY(QTest::qWaitForWindowActive(mainform.get()));
        QTRY_VERIFY(mainform->Session().Loaded()); // opened by the first activation
        QTest::keyClick(mainform.get(), Qt::Key_F5);
        QVERIFY(BoardLive(*mainform));
        for (int tick = 0; tick < 59; ++tick)
            mainform->Timer1Timer();
        PressTheSolution(*mainform);

        QCOMPARE(harness.Congratulations.Shown,
                 QStringList{QStringLiteral(
                     "Congratulations! You 've just completed a level 3 puzzle in 59 seconds")});
        QVERIFY(mainform->Session().CompletionShown());
        QVERIFY(!Control<QAction>(*mainform, "Stop1")->isEnabled());
        QVERIFY(Control<QAction>(*mainform, "Start1")->isEnabled());
        const std::string key = SolvedRecordKey(mainform->Game().Puzzle.PuzzleId);
        QCOMPARE(harness.Registry.OpenKey(key, false)->ReadInteger("Time"),
                 std::optional<std::int32_t>(59));

        // Slower the second time: shown again, the record stays.
        mainform->LoadPuzzle(path);
        mainform->StartGame();
        for (int tick = 0; tick < 70; ++tick)
            mainform->Timer1Timer();
        PressTheSolution(*mainform);
        QCOMPARE(harness.Congratulations.Shown.size(), 2);
        QVERIFY(harness.Congratulations.Shown.last().endsWith(
            QStringLiteral("1 minutes and 10 seconds")));
        QCOMPARE(harness.Registry.OpenKey(key, false)->ReadInteger("Time"),
                 std::optional<std::int32_t>(59));

        // Faster, but the tick cleared: nothing is written.
        harness.Congratulations.KeepTicked = false;
        mainform->LoadPuzzle(path);
        mainform->StartGame();
        PressTheSolution(*mainform);
        QCOMPARE(harness.Congratulations.Shown.size(), 3);
        QCOMPARE(harness.Registry.OpenKey(key, false)->ReadInteger("Time"),
                 std::optional<std::int32_t>(59));
    }

    void BreakingASolvedGridAndSolvingAgainCongratulatesAgain() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        PressTheSolution(*mainform);
        QCOMPARE(harness.Congratulations.Shown.size(), 1);
        Control<QAction>(*mainform, "Undo1")->trigger();
        QVERIFY(!mainform->Session().CompletionShown());
        Control<QAction>(*mainform, "Redo1")->trigger();
        QCOMPARE(harness.Congratulations.Shown.size(), 2);
    }

    // Opening a saved game forgets the shown congratulations at once, even when it is cancelled.
    void CancelledOpenLetsASolvedGridBeCongratulatedAgain() {
        MainformHarness harness;
        auto mainform = RunningDots(harness);
        PressTheSolution(*mainform);
        QCOMPARE(harness.Congratulations.Shown.size(), 1);
        Control<QAction>(*mainform, "OpenSavedGame1")->trigger(); // no answer: cancelled
        Control<QAction>(*mainform, "Start1")->trigger();
        const PixelRect clue = mainform->Geometry().BoxOf({BoardArea::RowClueSlot, 0, 0});
        Press(*mainform, Qt::LeftButton, BoardLeft + clue.Left + 3, BoardTop + clue.Top + 3);
        QCOMPARE(harness.Congratulations.Shown.size(), 2);
    }

    // A registry file the player made read-only keeps its content; each refused write is named
    // in a message and the game goes on.
    void RefusedRegistryWritesAreReportedAndTheFileKept() {
        MainformHarness harness;
        const std::filesystem::path file = harness.Folder / "HKCU.reg";
        FileRegistry registry(file);
        registry.OpenKey("Software\\Quorvane", true);
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);
        const std::vector<std::uint8_t> before = ReadBytes(file);

        auto mainform = harness.CreateOn(registry, harness.Folder.Path());
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        mainform->LoadPuzzle(WriteDots(harness));
        mainform->StartGame();
        PressTheSolution(*mainform);
        QCOMPARE(harness.Congratulations.Shown.size(), 1);
        QVERIFY(harness.Messages.Shown.last().contains(QStringLiteral("solved record")));

        harness.NewGame.EndFolder = harness.Folder / "elsewhere";
        Control<QAction>(*mainform, "StartanewGame1")->trigger();
        QVERIFY(harness.Messages.Shown.last().contains(QStringLiteral("LastPuzzleDir")));
        QCOMPARE(ReadBytes(file), before);
        QVERIFY(mainform->Session().Loaded());
    }

    // A board narrower than the bars around it once narrowed the window too: tool buttons fell off
    // the band, the status panels ran into each other and the menus folded. The window keeps the
    // bars whole, the board at its place and the room beside it in the background colour.
    void SmallPuzzleNarrowedTheWindowBelowItsBars() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        const std::vector<std::string> ten(10, "...####...");
        for (const std::vector<std::string>& picture :
             {std::vector<std::string>{"#.", ".#"}, ten}) {
            const std::filesystem::path path = harness.Folder / "small.qvf";
            WritePuzzleFile(path, PuzzleFromPicture(picture));
            mainform->LoadPuzzle(path);
            mainform->StartGame();
            const QRect client = mainform->ClientArea()->rect();
            const auto* panel = Control<QWidget>(*mainform, "Panel1");
            for (const QToolButton* button : panel->findChildren<QToolButton*>())
                QVERIFY2(client.contains(button->geometry().translated(panel->pos())),
                         qPrintable(button->objectName()));
            int panelsEnd = 0;
            for (const char* name : {"StatusPanel0", "StatusPanel1", "StatusPanel2"}) {
                const auto* label = Control<QLabel>(*mainform, name);
                const QRect shown(label->mapTo(mainform->ClientArea(), QPoint()), label->size());
                QVERIFY2(client.contains(shown) && shown.left() >= panelsEnd, name);
                panelsEnd = shown.right() + 1;
            }
            QCOMPARE(PanelText(*mainform, "StatusPanel0"), QStringLiteral("Time: 00:00:00"));
            QVERIFY(!mainform->menuBar()
                         ->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"))
                         ->isVisible());

            const QImage shown = ClientImage(*mainform);
            const QImage bitmap = ToQImage(mainform->BoardImage());
            QCOMPARE(shown.copy(BoardLeft, BoardTop, bitmap.width(), bitmap.height()), bitmap);
            const QRgb background = ToQColor(DefaultScheme[0]).rgb();
            for (int x = BoardLeft + bitmap.width(); x < client.width(); ++x)
                for (const int y : {BoardTop, BoardTop + bitmap.height() - 1})
                    QCOMPARE(shown.pixel(x, y), background);
        }
    }

    // A size switch draws the board afresh and fits the window to it; with nothing loaded the
    // window keeps its designed size.
    void SizeSwitchRefitsTheWindowAroundTheBoard() {
        MainformHarness harness;
        auto mainform = harness.Create();
        Control<QAction>(*mainform, "Medium1")->trigger();
        QCOMPARE(mainform->ClientArea()->size(), QSize(627, 419));
        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf"));
        mainform->StartGame();
        for (const char* size : {"Small1", "Medium1"}) {
            Control<QAction>(*mainform, size)->trigger();
            const PixelImage& board = mainform->BoardImage();
            QCOMPARE(board.Width, mainform->Geometry().Width());
            QCOMPARE(mainform->ClientArea()->size(),
                     QSize(std::max(board.Width + 2 * BoardLeft, mainform->LeastClientWidth()),
                           BoardTop + board.Height + BoardLeft + 19));
            QCOMPARE(ClientImage(*mainform).copy(BoardLeft, BoardTop, board.Width, board.Height),
                     ToQImage(board));
        }
    }

    // A board larger than the screen is capped to it and scrolls; a press lands on the cell
    // drawn under it, wherever the board is scrolled to.
    void BoardLargerThanTheScreenScrollsToItsLastCell() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        std::vector<std::string> diagonal(60, std::string(60, '.'));
        for (std::size_t i = 0; i < diagonal.size(); ++i)
            diagonal[i][i] = '#';
        const std::filesystem::path path = harness.Folder / "diagonal.qvf";
        WritePuzzleFile(path, PuzzleFromPicture(diagonal));
        mainform->LoadPuzzle(path);
        Control<QAction>(*mainform, "Medium1")->trigger();
        mainform->StartGame();

        const QRect available = mainform->screen()->availableGeometry();
        QVERIFY(mainform->frameGeometry().width() <= available.width());
        QVERIFY(mainform->frameGeometry().height() <= available.height());
        auto* across = Control<QScrollBar>(*mainform, "HorizontalScroll");
        auto* down = Control<QScrollBar>(*mainform, "VerticalScroll");
        QVERIFY(across->isVisible() && down->isVisible());
        across->setValue(across->maximum());
        down->setValue(down->maximum());

        const QPoint centre =
            CellCentre(*mainform, 59, 59) - QPoint(across->value(), down->value());
        QVERIFY(mainform->ClientArea()->rect().contains(centre));
        Press(*mainform, Qt::LeftButton, centre.x(), centre.y());
        QCOMPARE(mainform->Game().PlayerGrid.At(59, 59),
                 static_cast<std::uint16_t>(CellState::Filled));
        QCOMPARE(mainform->Game().History.size(), 1u);
    }
};

QTEST_MAIN(MainformPlayTest)
#include "mainform_play_test.moc"
