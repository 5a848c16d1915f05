// The life of one game in the main window: the enabled commands, the keys, the clock and reset.
#include "support/mainform_harness.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

namespace {

// Every command with its enabled state in one state of the game.
struct Expected {
    const char* name;
    bool enabled;
};

bool Enabled(const Tfmainform& mainform, const char* name) {
    if (auto* action = mainform.findChild<QAction*>(QString::fromLatin1(name)))
        return action->isEnabled();
    return Control<QToolButton>(mainform, name)->isEnabled();
}

void CheckCommands(const Tfmainform& mainform, std::initializer_list<Expected> commands,
                   const char* state) {
    for (const Expected& command : commands)
        QVERIFY2(
            Enabled(mainform, command.name) == command.enabled,
            qPrintable(
                QStringLiteral("%1 in %2").arg(QLatin1String(command.name), QLatin1String(state))));
}

constexpr const char* AlwaysOn[] = {
    "SpeedButton1", "StartanewGame1", "SpeedButton2", "OpenSavedGame1", "SolvedPuzzles1",
    "Exit1",        "PuzzleEditor1",  "Preferences1", "Small1",         "Medium1",
    "Contents1",    "SpeedButton6",   "About1"};

void Activate(Tfmainform& mainform) {
    mainform.show();
    QApplication::setActiveWindow(&mainform);
    QVERIFY(QTest::qWaitForWindowActive(&mainform));
}

} // namespace

class MainformLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void CommandsFollowTheStateOfTheGame() {
        MainformHarness harness;
        auto mainform = harness.Create();
        for (const char* name : AlwaysOn)
            QVERIFY2(Enabled(*mainform, name), name);
        CheckCommands(*mainform,
                      {{"SpeedButton3", false},
                       {"SaveGame1", false},
                       {"SaveGameas1", false},
                       {"FileInformation1", false},
                       {"SpeedButton4", false},
                       {"Start1", false},
                       {"SpeedButton5", false},
                       {"Stop1", false},
                       {"ResetBoard1", false},
                       {"Undo1", false},
                       {"SpeedButton7", false},
                       {"Redo1", false},
                       {"SpeedButton8", false}},
                      "start-up");

        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf"));
        CheckCommands(*mainform,
                      {{"SpeedButton3", true},
                       {"SaveGame1", true},
                       {"SaveGameas1", true},
                       {"FileInformation1", true},
                       {"SpeedButton4", true},
                       {"Start1", true},
                       {"SpeedButton5", false},
                       {"Stop1", false},
                       {"ResetBoard1", false},
                       {"Undo1", false},
                       {"SpeedButton7", false},
                       {"Redo1", false},
                       {"SpeedButton8", false}},
                      "paused");

        Control<QToolButton>(*mainform, "SpeedButton4")->click();
        CheckCommands(*mainform,
                      {{"SpeedButton3", true},
                       {"SaveGame1", true},
                       {"SaveGameas1", true},
                       {"FileInformation1", true},
                       {"SpeedButton4", false},
                       {"Start1", false},
                       {"SpeedButton5", true},
                       {"Stop1", true},
                       {"ResetBoard1", true},
                       {"Undo1", false},
                       {"SpeedButton7", false},
                       {"Redo1", false},
                       {"SpeedButton8", false}},
                      "running");
        for (const char* name : AlwaysOn)
            QVERIFY2(Enabled(*mainform, name), name);

        Control<QToolButton>(*mainform, "SpeedButton5")->click();
        QVERIFY(!BoardLive(*mainform));
        QVERIFY(Enabled(*mainform, "SpeedButton4"));
    }

    void KeysStartAndPauseOnlyWhenTheyApply() {
        MainformHarness harness;
        auto mainform = harness.Create();
        Activate(*mainform);

        QTest::keyClick(mainform.get(), Qt::Key_F5);
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F2 to start a new game"));

        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf"));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F5 to start game"));
        QTest::keyClick(mainform.get(), Qt::Key_F12);
        QVERIFY(!BoardLive(*mainform));

        QTest::keyClick(mainform.get(), Qt::Key_F5);
        QVERIFY(BoardLive(*mainform));
        QTest::keyClick(mainform.get(), Qt::Key_F5);
        QVERIFY(BoardLive(*mainform));
        mainform->Timer1Timer();

        QTest::keyClick(mainform.get(), Qt::Key_F12);
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F5 to resume game"));
        QCOMPARE(mainform->Game().ElapsedSeconds, 1);
    }

    void ClockCountsDrivenTicks() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf"));
        QCOMPARE(PanelText(*mainform, "StatusPanel0"), QStringLiteral("Time: 00:00:00"));
        QCOMPARE(PanelText(*mainform, "StatusPanel1"), QStringLiteral("Level: 3"));
        mainform->StartGame();
        const std::pair<int, const char*> marks[] = {
            {3599, "Time: 00:59:59"}, {3600, "Time: 01:00:00"}, {360000, "Time: 100:00:00"}};
        for (const auto& [seconds, text] : marks) {
            while (mainform->Game().ElapsedSeconds < seconds)
                mainform->Timer1Timer();
            QCOMPARE(PanelText(*mainform, "StatusPanel0"), QString::fromLatin1(text));
        }
    }

    void ResetAsksAndStartsAgainFromNothing() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf", "Arrow"));
        mainform->StartGame();
        for (int i = 0; i < 300; ++i)
            mainform->Timer1Timer();

        harness.Messages.Answer = false;
        Control<QAction>(*mainform, "ResetBoard1")->trigger();
        QCOMPARE(harness.Messages.Shown.last(),
                 QStringLiteral("Are you sure you want ot reset this game?"));
        QVERIFY(BoardLive(*mainform));
        QCOMPARE(mainform->Game().ElapsedSeconds, 300);

        harness.Messages.Answer = true;
        Control<QAction>(*mainform, "ResetBoard1")->trigger();
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(mainform->Game().ElapsedSeconds, 0);
        QCOMPARE(PanelText(*mainform, "StatusPanel0"), QStringLiteral("Time: 00:00:00"));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F5 to start game"));
        QCOMPARE(mainform->windowTitle(), QStringLiteral("Quorvane - Arrow"));
        QVERIFY(Enabled(*mainform, "SpeedButton4"));
        QVERIFY(!Enabled(*mainform, "ResetBoard1"));
    }

    void RefusedFileKeepsTheLoadedGamePaused() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf", "Arrow"));
        mainform->StartGame();
        mainform->Timer1Timer();
        const std::filesystem::path bad = harness.Folder / "bad.qvf";
        WriteBytes(bad, std::vector<std::uint8_t>(PuzzleRecordSize, 0x41));

        mainform->LoadPuzzle(bad);
        QCOMPARE(harness.Messages.Shown.last(),
                 QStringLiteral("The file appears to be corrupted.\r\nUnable to open ") +
                     QString::fromStdString(bad.string()));
        QVERIFY(mainform->Session().Loaded());
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(mainform->Game().Puzzle.Name.Text(), std::string("Arrow"));
        QCOMPARE(mainform->Game().ElapsedSeconds, 1);
        QCOMPARE(mainform->windowTitle(), QStringLiteral("Quorvane - Arrow"));
        QVERIFY(Enabled(*mainform, "SpeedButton4"));
    }

    void NewGameLoadsTheChoiceAndAlwaysRemembersTheFolder() {
        MainformHarness harness;
        auto mainform = harness.Create();
        const std::filesystem::path elsewhere = harness.Folder / "elsewhere";
        std::filesystem::create_directory(elsewhere);
        harness.NewGame.Choice = harness.WritePuzzle("arrow.qvf", "Arrow");
        harness.NewGame.EndFolder = elsewhere;

        Control<QAction>(*mainform, "StartanewGame1")->trigger();
        QCOMPARE(harness.NewGame.ShownFrom.front(), harness.Folder / "Puzzles");
        QCOMPARE(mainform->windowTitle(), QStringLiteral("Quorvane - Arrow"));
        QCOMPARE(mainform->PuzzleFolder(), elsewhere);
        const auto stored = [&] {
            return harness.Registry.OpenKey("Software\\Quorvane", false)
                ->ReadString("LastPuzzleDir");
        };
        QCOMPARE(stored(), std::optional<std::string>(elsewhere.string()));

        // Cancelled: nothing loads, and the folder shown is still remembered.
        harness.NewGame.Choice.reset();
        harness.NewGame.EndFolder = harness.Folder.Path();
        mainform->StartGame();
        Control<QToolButton>(*mainform, "SpeedButton1")->click();
        QVERIFY(BoardLive(*mainform)); // the browser does not pause the game
        QCOMPARE(harness.NewGame.ShownFrom.back(), elsewhere);
        QCOMPARE(stored(), std::optional<std::string>(harness.Folder.Path().string()));
    }

    void SizeItemsAreARadioPair() {
        MainformHarness harness;
        auto mainform = harness.Create();
        auto* small = Control<QAction>(*mainform, "Small1");
        auto* large = Control<QAction>(*mainform, "Medium1");
        QVERIFY(small->isChecked() && !large->isChecked());
        large->trigger();
        QVERIFY(!small->isChecked() && large->isChecked());
        small->trigger();
        QVERIFY(small->isChecked() && !large->isChecked());
    }

    void MenusHoldTheirItemsInOrder() {
        MainformHarness harness;
        auto mainform = harness.Create();
        const auto captions = [](const QMenu* menu) {
            QStringList texts;
            for (const QAction* action : menu->actions())
                texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            return texts;
        };
        const QList<QAction*> menus = mainform->menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(captions(menus[0]->menu()),
                 (QStringList{"Start a new Game", "-", "&Open Saved Game", "Save Game",
                              "Save Game as", "-", "Solved Puzzles", "-", "&Exit"}));
        QCOMPARE(captions(menus[1]->menu()),
                 (QStringList{"Undo", "Redo", "-", "Start", "&Pause", "-", "Reset Puzzle"}));
        QCOMPARE(captions(menus[2]->menu()),
                 (QStringList{"Puzzle Editor", "File Information", "-", "Preferences", "Size"}));
        QCOMPARE(menus[3]->text(), QStringLiteral("&?"));
        QCOMPARE(captions(menus[3]->menu()), (QStringList{"&Contents", "-", "About"}));

        QCOMPARE(Control<QAction>(*mainform, "StartanewGame1")->shortcut(),
                 QKeySequence(Qt::Key_F2));
        QCOMPARE(Control<QAction>(*mainform, "ResetBoard1")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(Control<QAction>(*mainform, "Stop1")->shortcut(), QKeySequence(Qt::Key_F12));
        QCOMPARE(Control<QToolButton>(*mainform, "SpeedButton7")->toolTip(),
                 QStringLiteral("Undo Last Action"));
        for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4",
                                 "SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton8"})
            QVERIFY2(!Control<QToolButton>(*mainform, name)->icon().isNull(), name);
    }
};

QTEST_MAIN(MainformLifecycleTest)
#include "mainform_lifecycle_test.moc"
