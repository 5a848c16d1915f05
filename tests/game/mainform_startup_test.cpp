// How the main window starts: registry, colours, folders, fonts, cursors, the splash and the
// file named on the command line.
#include "appearance/qt_colour.h"
#include "support/mainform_harness.h"

#include <QTest>
#include <QToolButton>

class MainformStartupTest : public QObject {
    Q_OBJECT

private slots:
    void EmptyStoreStartsWithDefaultsAndCreatesTheFolders() {
        MainformHarness harness;
        auto mainform = harness.Create();

        QVERIFY(harness.Registry.KeyExists("Software\\Quorvane"));
        QVERIFY(!harness.Registry.OpenKey("Software\\Quorvane", false)->ReadString("ColorSet"));
        QVERIFY(mainform->BoardColours() == DefaultScheme);
        QCOMPARE(mainform->ClientArea()->palette().color(QPalette::Window), QColor(177, 193, 197));
        QVERIFY(std::filesystem::is_directory(harness.Folder / "Puzzles"));
        QVERIFY(std::filesystem::is_directory(harness.Folder / "Saved Games"));
        QVERIFY(harness.Messages.Shown.isEmpty());
        QCOMPARE(harness.Fonts.Added.size(), 2u);
        QCOMPARE(harness.Fonts.Added[0], harness.Folder / "qvsmall.fnt");
        QCOMPARE(harness.Fonts.Added[1], harness.Folder / "qvmedium.fnt");

        QCOMPARE(mainform->windowTitle(), QStringLiteral("Quorvane [BETA]"));
        QCOMPARE(mainform->ClientArea()->size(), QSize(627, 419));
        const QCursor cursor = mainform->ClientArea()->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(8, 2));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F2 to start a new game"));
    }

    void StoredSchemeIsFoundInAnyLetterCase() {
        MainformHarness harness;
        harness.Registry.OpenKey("Software\\Quorvane", true)->WriteString("ColorSet", "night SKY");
        auto scheme = harness.Registry.OpenKey("Software\\Quorvane\\Color sets\\Night Sky", true);
        for (std::size_t role = 0; role < ColourRoleCount; ++role)
            scheme->WriteInteger(std::string(ColourRoleName(static_cast<ColourRole>(role))),
                                 RgbColour(static_cast<int>(role), 2, 3));
        auto mainform = harness.Create();
        QCOMPARE(mainform->ClientArea()->palette().color(QPalette::Window), QColor(0, 2, 3));
        QCOMPARE(mainform->ActiveSchemeName(), std::string("night SKY"));
    }

    void DeletedPuzzleFolderFallsBackBesideTheProgram() {
        MainformHarness harness;
        harness.Registry.OpenKey("Software\\Quorvane", true)
            ->WriteString("LastPuzzleDir", (harness.Folder / "gone").string());
        auto mainform = harness.Create();
        QCOMPARE(mainform->PuzzleFolder(), harness.Folder / "Puzzles");
        QVERIFY(std::filesystem::is_directory(harness.Folder / "Puzzles"));
    }

    void FoldersThatCannotBeMadeAreReportedOnceEach() {
        MainformHarness harness;
        // A program "folder" that is a file: nothing can be created inside it.
        const std::filesystem::path blocked = harness.Folder / "not-a-folder";
        WriteBytes(blocked, std::vector<std::uint8_t>{1});
        auto mainform = harness.CreateIn(blocked);
        const QString message = QStringLiteral("Could not create \"puzzles\" directory in current "
                                               "file system. Please check drive free space.");
        QCOMPARE(harness.Messages.Shown, (QStringList{message, message}));
    }

    void FirstActivationHidesTheSplashAndOpensTheArgument() {
        MainformHarness harness;
        harness.WritePuzzle("my arrow.QvF", "Arrow");
        auto mainform = harness.Create({(harness.Folder / "my").string(), "arrow.QvF"});
        QCOMPARE(harness.Splash.Hides, 0);

        mainform->FormActivate();
        QCOMPARE(harness.Waits.Waited,
                 (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)}));
        QCOMPARE(harness.Splash.Hides, 1);
        QVERIFY(mainform->Session().Loaded());
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(mainform->windowTitle(), QStringLiteral("Quorvane - Arrow"));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F5 to start game"));

        mainform->StartGame();
        mainform->FormActivate();
        QCOMPARE(harness.Splash.Hides, 1);
        QVERIFY(BoardLive(*mainform));
    }

    void ShowingTheWindowActivatesItOnce() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QApplication::setActiveWindow(mainform.get());
        QVERIFY(QTest::qWaitForWindowActive(mainform.get()));
        QTRY_COMPARE(harness.Splash.Hides, 1);
    }

    void OtherArgumentsOpenNothing() {
        MainformHarness harness;
        WriteBytes(harness.Folder / "notes.txt", std::vector<std::uint8_t>{'x'});
        for (const std::string& argument :
             {(harness.Folder / "notes.txt").string(), (harness.Folder / "absent.qvf").string()}) {
            auto mainform = harness.Create({argument});
            mainform->FormActivate();
            QVERIFY2(!mainform->Session().Loaded(), argument.c_str());
        }
        QVERIFY(harness.Messages.Shown.isEmpty());
    }

    void RefusedArgumentLeavesNoPuzzle() {
        MainformHarness harness;
        const std::filesystem::path bad = harness.Folder / "bad.qvf";
        WriteBytes(bad, std::vector<std::uint8_t>(100, 0));
        auto mainform = harness.Create({bad.string()});
        mainform->FormActivate();
        QCOMPARE(
            harness.Messages.Shown,
            QStringList{QStringLiteral("The file appears to be corrupted.\r\nUnable to open ") +
                        QString::fromStdString(bad.string())});
        QVERIFY(!mainform->Session().Loaded());
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F2 to start a new game"));
        QVERIFY(!Control<QToolButton>(*mainform, "SpeedButton4")->isEnabled());
    }

    void ClosingRemovesTheFonts() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        mainform->close();
        QCOMPARE(harness.Fonts.Removed, harness.Fonts.Added);
    }

    void PromptPanelIsDrawnInTheMiddle() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        const QImage image = mainform->ClientArea()->grab().toImage();
        const QColor background(177, 193, 197);
        const QColor face = mainform->palette().color(QPalette::Button);
        // Above the panel the window background shows; inside it, at the icon's left, the face.
        QCOMPARE(image.pixelColor(313, 150), background);
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2 - 15), face);
        // The frame: white on the panel's top edge, grey on its bottom edge.
        int top = image.height() / 2;
        while (image.pixelColor(image.width() / 2, top - 1) != background)
            --top;
        QCOMPARE(image.pixelColor(image.width() / 2, top), QColor(Qt::white));
        int bottom = image.height() / 2;
        while (image.pixelColor(image.width() / 2, bottom + 1) != background)
            ++bottom;
        QCOMPARE(image.pixelColor(image.width() / 2, bottom), QColor(128, 128, 128));
    }
};

QTEST_MAIN(MainformStartupTest)
#include "mainform_startup_test.moc"
