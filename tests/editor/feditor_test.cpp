// The editor window: where the grid lies and how it is drawn, presses, the file commands, the
// enabled commands, scrolling, the import and the check, and a drawn puzzle played in the game.
#include "board/board_view.h"
#include "editor/bmp_writer.h"
#include "editor/editor_harness.h"
#include "editor/puzzle_check_runner.h"
#include "model/puzzle_file.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

Q_DECLARE_METATYPE(BoardSize)

namespace {

QAction* Item(const Tffeditor& editor, const char* name) {
    return editor.findChild<QAction*>(QString::fromLatin1(name));
}

QToolButton* Button(const Tffeditor& editor, const char* name) {
    return editor.findChild<QToolButton*>(QString::fromLatin1(name));
}

void Click(Tffeditor& editor, int column, int row, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint centre = CellCentre(editor, column, row);
    Press(editor, button, centre.x(), centre.y());
}

// The part of the client area the grid covers, where it lies unscrolled.
QImage ShownGrid(const Tffeditor& editor) {
    return ClientImage(editor).copy(BoardLeft, BoardTop, ToQImage(editor.GridImage()).width(),
                                    ToQImage(editor.GridImage()).height());
}

std::filesystem::path WritePuzzle(const TempFolder& folder, const std::string& name,
                                  const PuzzleRecord& record) {
    WritePuzzleFile(folder / name, record);
    return folder / name;
}

class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Painted.append(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    QList<QRect> Painted;
};

} // namespace

class FeditorTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningShowsANewGridAtItsPlace_data() {
        QTest::addColumn<BoardSize>("size");
        QTest::addColumn<QSize>("bitmap");
        QTest::newRow("Small") << BoardSize::Small << QSize(241, 225);
        QTest::newRow("Large") << BoardSize::Large << QSize(289, 289);
    }
    void OpeningShowsANewGridAtItsPlace() {
        QFETCH(BoardSize, size);
        QFETCH(QSize, bitmap);
        EditorHarness harness;
        auto editor = harness.Open(size);
        QCOMPARE(harness.Info.Shown, 1);
        QCOMPARE(editor->Puzzle().Creator.Text(), std::string("ann"));
        QCOMPARE(editor->Puzzle().PuzzleId, (Guid{1, 0, 0, {}}));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Puzzle Editor"));
        QCOMPARE(editor->size(), QSize(517, 410));
        QCOMPARE(ToQImage(editor->GridImage()).size(), bitmap);
        QCOMPARE(ShownGrid(*editor), ToQImage(editor->GridImage()));
        QCOMPARE(ClientImage(*editor).pixelColor(BoardLeft - 1, BoardTop - 1),
                 RoleColour(ColourRole::WindowBackground));
    }

    void RulesAreThickEveryFifthLineFromTheCorner() {
        EditorHarness harness;
        auto editor = harness.Open();
        const auto kinds = [&](std::initializer_list<int> offsets) {
            QList<QColor> found;
            for (const int k : offsets)
                found << ToQImage(editor->GridImage()).pixelColor(k * 15, 50)
                      << ToQImage(editor->GridImage()).pixelColor(std::max(0, k * 15 - 1), 50);
            return found;
        };
        const QColor thick = RoleColour(ColourRole::DoubleLine);
        const QColor thin = RoleColour(ColourRole::SingleLine);
        const QColor cell = RoleColour(ColourRole::CentralBoard);
        QCOMPARE(kinds({0, 5, 10, 15, 16}), (QList<QColor>{thick, thick, thick, thick, thick, thick,
                                                           thick, thick, thin, cell}));
        harness.Files.Answers = {
            WritePuzzle(harness.Folder, "fifteen.qvf",
                        PuzzleFromPicture(std::vector<std::string>(16, std::string(15, '.'))))};
        Item(*editor, "Open1")->trigger();
        QCOMPARE(kinds({15}), (QList<QColor>{thick, thick}));
    }

    void PressesToggleOneCellAndRepaintOnlyItsInterior() {
        EditorHarness harness;
        auto editor = harness.Open();
        const int y = CellCentre(*editor, 0, 2).y();
        for (const int x : {249, 250, 251}) // column 15, its closing rule and past it
            Press(*editor, Qt::LeftButton, x, y);
        Click(*editor, 3, 3, Qt::MiddleButton);
        // A double click as the window system delivers it presses twice.
        QTest::mouseDClick(editor->windowHandle(), Qt::LeftButton, {},
                           editor->ClientArea()->mapTo(editor.get(), CellCentre(*editor, 6, 6)));
        CellGrid expected;
        expected.At(15, 2) = 1;
        QVERIFY(editor->Puzzle().Solution == expected);

        // Only the cell is painted again, without its left and top rule; the thick rule after
        // column 4 stays.
        PaintRecorder recorder(editor->findChild<BoardView*>(QStringLiteral("Board"))->viewport());
        Click(*editor, 4, 9, Qt::RightButton);
        QCoreApplication::processEvents();
        QCOMPARE(recorder.Painted,
                 QList<QRect>{QRect(BoardLeft + 4 * 15 + 1, BoardTop - ToolBandHeight + 9 * 14 + 1,
                                    14, 13)});
        QCOMPARE(ToQImage(editor->GridImage()).pixelColor(5 * 15 - 1, 9 * 14 + 5),
                 RoleColour(ColourRole::DoubleLine));
        QCOMPARE(ToQImage(editor->GridImage()), FullRedraw(*editor, BoardSize::Small));
        QCOMPARE(ShownGrid(*editor), ToQImage(editor->GridImage()));
    }

    void ClearEmptiesEveryCellAndAGrownSizeShowsThemEmpty() {
        EditorHarness harness;
        auto editor = harness.Open();
        PuzzleRecord full = PuzzleFromPicture(std::vector<std::string>(20, std::string(20, '#')));
        full.Solution.At(100, 127) = 1;
        harness.Files.Answers = {WritePuzzle(harness.Folder, "full.qvf", full)};
        Item(*editor, "Open1")->trigger();
        Item(*editor, "ClearPuzzle1")->trigger();
        QVERIFY(editor->Puzzle().Solution == CellGrid{});
        harness.Info.Change = [](AnsweringPuzzleInfo& info) { info.SetSize(40, 40); };
        Item(*editor, "EditInformation1")->trigger();
        QCOMPARE(ToQImage(editor->GridImage()).width(), 40 * 15 + 1);
        QCOMPARE(ToQImage(editor->GridImage()), FullRedraw(*editor, BoardSize::Small));
    }

    void SaveGivesANewIdentityEachTimeAndAsksForANameOnce() {
        EditorHarness harness;
        auto editor = harness.Open();
        const std::filesystem::path path = harness.Folder / "drawn.qvf";
        harness.Files.Answers = {path};
        PuzzleRecord saved;
        for (const std::uint32_t id : {2u, 3u}) {
            Button(*editor, "SpeedButton3")->click();
            QCOMPARE(ReadGamePuzzleFile(path, saved), FileReadStatus::Ok);
            QCOMPARE(saved.PuzzleId, (Guid{id, 0, 0, {}}));
        }
        QVERIFY(saved == editor->Puzzle());
        QCOMPARE(harness.Files.Filters, QStringList{QStringLiteral("Quorvane Files|*.qvf")});
        QCOMPARE(harness.Files.Folders.front(), harness.Folder / "Puzzles");
        const QString caption = QStringLiteral("Puzzle Editor - ") + path.c_str();
        QCOMPARE(editor->windowTitle(), caption);

        // Save as asks again; a file that cannot be written says so.
        harness.Files.Answers = {harness.Folder / "missing" / "drawn.qvf"};
        Item(*editor, "Saveas1")->trigger();
        QVERIFY(harness.Messages.Shown.value(0).startsWith(QStringLiteral("Cannot create file")));
    }

    void CommandsFollowTheShownGridAndRefusedOrCancelledFilesChangeNothing() {
        EditorHarness harness;
        harness.Info.Ok = false;
        auto editor = harness.Open();
        const auto enabled = [&] {
            return QList<bool>{
                Button(*editor, "SpeedButton3")->isEnabled(),
                editor->findChild<QMenu*>(QStringLiteral("Puzzle1"))->menuAction()->isEnabled(),
                Item(*editor, "CheckPuzzle1")->isEnabled(), Item(*editor, "Saveas1")->isEnabled()};
        };
        // The opening's dialog was cancelled: an empty window with nothing to save.
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));

        const std::filesystem::path arrow =
            WritePuzzle(harness.Folder, "arrow.qvf", PuzzleFromPicture({".#.", "###"}));
        WriteBytes(harness.Folder / "notes.qvf", std::vector<std::uint8_t>(40, 'x'));
        harness.Files.Answers = {arrow, harness.Folder / "notes.qvf"};
        Item(*editor, "Open1")->trigger();
        Item(*editor, "Open1")->trigger();
        Item(*editor, "Open1")->trigger(); // no answer left: cancelled
        Item(*editor, "New1")->trigger();  // cancelled too
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        QVERIFY(editor->Puzzle() == PuzzleFromPicture({".#.", "###"}));
        QCOMPARE(editor->FileName(), arrow);
        QCOMPARE(harness.Files.Filters.front(), QStringLiteral("*.qvf|*.qvf"));
        QCOMPARE(
            harness.Messages.Shown,
            QStringList{QStringLiteral("The file appears to be corrupted.\r\nUnable to open ") +
                        (harness.Folder / "notes.qvf").c_str()});

        // New with OK replaces the puzzle and forgets its file; a later opening starts bare.
        harness.Info.Ok = true;
        Button(*editor, "SpeedButton1")->click();
        QCOMPARE(editor->Puzzle().Width, 16);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Puzzle Editor"));
        harness.Info.Ok = false;
        editor->FormShow(harness.Settings());
        editor->FormActivate();
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
    }

    void ToolButtonsShareTheirMenuItemsAndShortcutsWork() {
        EditorHarness harness;
        auto editor = harness.Open();
        struct Placed {
            const char* Button;
            const char* Item;
            int X;
        };
        for (const Placed& placed : {Placed{"SpeedButton1", "New1", 6},
                                     {"SpeedButton2", "Open1", 30},
                                     {"SpeedButton3", "Save1", 54},
                                     {"SpeedButton6", "Contents1", 84}}) {
            QCOMPARE(Button(*editor, placed.Button)->geometry(), QRect(placed.X, 2, 23, 23));
            QCOMPARE(Button(*editor, placed.Button)->defaultAction(), Item(*editor, placed.Item));
        }
        QCOMPARE(Button(*editor, "SpeedButton2")->toolTip(), QStringLiteral("Open Saved Game"));
        Button(*editor, "SpeedButton6")->click();
        QCOMPARE(harness.HelpShown,
                 (std::vector<std::filesystem::path>{harness.Folder / "Help" / "Quorvane.chm"}));
        Item(*editor, "About1")->trigger();
        QCOMPARE(harness.AboutShown, 1);

        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QTest::keyClick(editor.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(harness.Info.Shown, 2);
        QTest::keyClick(editor.get(), Qt::Key_Escape);
        QVERIFY(editor->isVisible());
    }

    void GridLargerThanTheWindowScrolls() {
        EditorHarness harness;
        harness.Info.Change = [](AnsweringPuzzleInfo& info) { info.SetSize(64, 64); };
        auto editor = harness.Open(BoardSize::Large);
        auto* scroll = editor->findChild<BoardView*>(QStringLiteral("Board"));
        QCoreApplication::processEvents();
        for (QScrollBar* bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()}) {
            QVERIFY(bar->isVisible());
            bar->setValue(bar->maximum());
        }
        // The far corner cell, pressed where the scrolled view shows it.
        const QPoint corner = editor->ClientArea()->mapTo(
            editor.get(), CellCentre(*editor, 63, 63) - scroll->ScrollOffset());
        QVERIFY(scroll->viewport()->geometry().contains(scroll->mapFrom(editor.get(), corner)));
        QTest::mouseClick(editor->windowHandle(), Qt::LeftButton, {}, corner);
        QCOMPARE(editor->Puzzle().Solution.At(63, 63), std::uint16_t{1});
    }

    void ImportReplacesTheCellsOrSaysWhyNot() {
        EditorHarness harness;
        auto editor = harness.Open();
        PixelPicture picture{20, 15, std::vector<std::uint32_t>(300, 0xFFFFFF)};
        picture.Pixels[21] = 0; // (1, 1)
        WriteBytes(harness.Folder / "dot.bmp", BmpBytes(picture, {24}));
        PuzzleRecord expected = editor->Puzzle();
        ImportPicture(picture, expected);

        harness.Pictures.Answer = harness.Folder / "dot.bmp";
        Item(*editor, "ImportFromBitmap1")->trigger();
        QVERIFY(editor->Puzzle() == expected);
        QCOMPARE(harness.Pictures.Filters.front(), QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
        QCOMPARE(ShownGrid(*editor), FullRedraw(*editor, BoardSize::Small));

        harness.Pictures.Answer = harness.Folder / "absent.bmp";
        Item(*editor, "ImportFromBitmap1")->trigger();
        QVERIFY(editor->Puzzle() == expected);
        QCOMPARE(harness.Messages.Shown, QStringList{QStringLiteral("Bitmap image is not valid")});
    }

    void CheckOutlinesWhereTwoSolutionsDifferUntilTheNextEdit() {
        EditorHarness harness;
        auto editor = harness.Open();
        Click(*editor, 0, 0);
        Click(*editor, 1, 1);
        QSignalSpy finished(editor->findChild<PuzzleCheckRunner*>(), &PuzzleCheckRunner::Finished);
        Item(*editor, "CheckPuzzle1")->trigger();
        QVERIFY(finished.wait(10000));
        const PuzzleCheckResult expected = CheckPuzzle(editor->Puzzle());
        QCOMPARE(expected.Verdict, CheckVerdict::Several);
        QCOMPARE(harness.Messages.Shown,
                 QStringList{QString::fromStdString(CheckVerdictText(expected))});

        // The empty cell (1, 0) of the drawing is filled in the other solution.
        const QPoint inside(BoardLeft + 15 + 1, BoardTop + 1);
        QCOMPARE(ClientImage(*editor).pixelColor(inside), RoleColour(ColourRole::ExcludedCell));
        Click(*editor, 9, 9);
        QCOMPARE(ClientImage(*editor).pixelColor(inside), RoleColour(ColourRole::CentralBoard));
    }

    void DrawnPuzzlePlaysToItsEndInTheGame() {
        EditorHarness harness;
        auto editor = harness.Open();
        const std::pair<int, int> drawn[] = {{0, 0}, {3, 1}, {15, 15}, {7, 8}};
        for (const auto& [column, row] : drawn)
            Click(*editor, column, row);
        MainformHarness game;
        harness.Files.Answers = {game.Folder / "drawn.qvf"};
        Item(*editor, "Save1")->trigger();

        auto mainform = game.Create();
        mainform->LoadPuzzle(game.Folder / "drawn.qvf");
        mainform->StartGame();
        for (const auto& [column, row] : drawn) {
            const PixelRect box = mainform->Geometry().BoxOf({BoardArea::GridCell, column, row});
            ClickClient(*mainform->ClientArea(), Qt::LeftButton,
                        QPoint(BoardLeft + box.Left + 5, BoardTop + box.Top + 5));
        }
        QCOMPARE(game.Congratulations.Shown.size(), 1);
    }
};

QTEST_MAIN(FeditorTest)
#include "feditor_test.moc"
