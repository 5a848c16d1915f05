// Saving and reopening games on the main window, the save prompt and the file information.
#include "model/saved_game_file.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace {

// Six by five; row 1 and column 5 have no clue.
const std::vector<std::string> Flag = {"#####.", "......", "##.##.", "#.#.#.", "#####."};

std::filesystem::path WriteFlag(MainformHarness& harness) {
    PuzzleRecord record = PuzzleFromPicture(Flag);
    record.Name.Assign("Flag");
    record.Creator.Assign("Ann");
    record.Comments.Assign("Waves\r\nin the wind");
    record.Level = 2;
    record.DateCreated = 45000.75; // 15 March 2023, 18:00
    record.PuzzleId = Guid{0x0F1A6, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    const std::filesystem::path path = harness.Folder / "flag.qvf";
    WritePuzzleFile(path, record);
    return path;
}

// A game as loading the puzzle starts it.
GameState FreshGame(const PuzzleRecord& puzzle) {
    GameSession session;
    session.LoadPuzzle(puzzle);
    return session.Game();
}

void Press(Tfmainform& mainform, Qt::MouseButton button, int column, int row) {
    const PixelRect box = mainform.Geometry().BoxOf({BoardArea::GridCell, column, row});
    ClickClient(*mainform.ClientArea(), button,
                QPoint(BoardLeft + box.Left + 5, BoardTop + box.Top + 5));
}

void PressClue(Tfmainform& mainform, const BoardTarget& target) {
    const PixelRect box = mainform.Geometry().BoxOf(target);
    ClickClient(*mainform.ClientArea(), Qt::LeftButton,
                QPoint(BoardLeft + box.Left + 5, BoardTop + box.Top + 5));
}

void Trigger(Tfmainform& mainform, const char* name) {
    Control<QAction>(mainform, name)->trigger();
}

std::unique_ptr<Tfmainform> RunningFlag(MainformHarness& harness) {
    auto mainform = harness.Create();
    mainform->LoadPuzzle(WriteFlag(harness));
    mainform->StartGame();
    return mainform;
}

} // namespace

class MainformSavedGameTest : public QObject {
    Q_OBJECT

private slots:
    void SavedGameReopensWhereItStood() {
        MainformHarness harness;
        auto mainform = RunningFlag(harness);
        PressClue(*mainform, {BoardArea::RowClueSlot, 0, 0});
        PressClue(*mainform, {BoardArea::ColumnClueSlot, 0, 0});
        for (int i = 0; i < 8; ++i)
            Press(*mainform, i % 2 == 0 ? Qt::LeftButton : Qt::RightButton, i % 4,
                  i % 3 == 1 ? 2 : 0);
        for (int i = 0; i < 3; ++i)
            Trigger(*mainform, "Undo1");
        for (int i = 0; i < 125; ++i)
            mainform->Timer1Timer();
        QCOMPARE(mainform->Game().History.size(), 10u);
        QCOMPARE(mainform->Game().HistoryIndex, 6);

        const std::filesystem::path first = harness.Folder / "Saved Games" / "first.qvs";
        harness.Files.Answers = {first};
        Trigger(*mainform, "SaveGame1");
        QVERIFY(mainform->Session().Saved());
        QVERIFY(!BoardLive(*mainform)); // the first save asks for a name and pauses
        QCOMPARE(harness.Files.Filters, QStringList{QStringLiteral("Quorvane Saved  Game|*.qvs")});
        QCOMPARE(harness.Files.Folders.back(), harness.Folder / "Saved Games");

        auto reopened = harness.Create();
        reopened->LoadSavedGame(first);
        QCOMPARE(Prompt(*reopened), QStringLiteral("Press F5 to resume game"));
        QCOMPARE(reopened->windowTitle(), QStringLiteral("Quorvane - Flag"));
        QCOMPARE(PanelText(*reopened, "StatusPanel0"), QStringLiteral("Time: 00:02:05"));
        QCOMPARE(reopened->Game().HistoryIndex, mainform->Game().HistoryIndex);
        QVERIFY(reopened->Session().Saved());

        const std::filesystem::path second = harness.Folder / "second.qvs";
        harness.Files.Answers = {second};
        Trigger(*reopened, "SaveGameas1");
        QCOMPARE(ReadBytes(second), ReadBytes(first));

        reopened->StartGame();
        const std::int32_t index = reopened->Game().HistoryIndex;
        const std::size_t waiting =
            reopened->Game().History.size() - 1 - static_cast<std::size_t>(index);
        QCOMPARE(waiting, 3u);
        for (std::size_t i = 0; i < waiting; ++i) {
            QVERIFY(Control<QAction>(*reopened, "Redo1")->isEnabled());
            Trigger(*reopened, "Redo1");
        }
        QVERIFY(!Control<QAction>(*reopened, "Redo1")->isEnabled());

        // The game that was saved, redone as far, stands exactly where the reopened one does.
        mainform->StartGame();
        for (std::size_t i = 0; i < waiting; ++i)
            Trigger(*mainform, "Redo1");
        QVERIFY(reopened->Game().PlayerGrid == mainform->Game().PlayerGrid);
        QVERIFY(reopened->Game().RowClues == mainform->Game().RowClues);
        QVERIFY(reopened->Game().ColumnClues == mainform->Game().ColumnClues);
        QCOMPARE(reopened->Game().RowClues[0][0].State, std::uint16_t{1});
    }

    void EmptyHistoryAndClueLessLines() {
        MainformHarness harness;
        auto mainform = RunningFlag(harness);
        // Row 1 has no clue: its cells start excluded; the player empties one.
        Press(*mainform, Qt::LeftButton, 2, 1);
        QCOMPARE(mainform->Game().PlayerGrid.At(2, 1), std::uint16_t{0});
        Trigger(*mainform, "Undo1");
        Trigger(*mainform, "Redo1");
        const std::filesystem::path path = harness.Folder / "g.qvs";
        harness.Files.Answers = {path};
        Trigger(*mainform, "SaveGame1");

        auto reopened = harness.Create();
        reopened->LoadSavedGame(path);
        QCOMPARE(reopened->Game().PlayerGrid.At(2, 1),
                 static_cast<std::uint16_t>(CellState::Excluded));

        auto fresh = RunningFlag(harness);
        harness.Files.Answers = {harness.Folder / "empty.qvs"};
        Trigger(*fresh, "SaveGame1");
        QCOMPARE(std::filesystem::file_size(harness.Folder / "empty.qvs"), std::uintmax_t{131572});
        QCOMPARE(Prompt(*fresh), QStringLiteral("Press F5 to start game"));
    }

    void SaveAsCancelledKeepsTheEarlierPath() {
        MainformHarness harness;
        auto mainform = RunningFlag(harness);
        const std::filesystem::path path = harness.Folder / "kept.qvs";
        harness.Files.Answers = {path};
        Trigger(*mainform, "SaveGame1");
        harness.Files.Answers = {std::filesystem::path()};
        Trigger(*mainform, "SaveGameas1");
        QCOMPARE(mainform->Session().SavedGamePath(), path.string());

        // A later save writes there without asking and without pausing.
        mainform->StartGame();
        Press(*mainform, Qt::LeftButton, 0, 0);
        const qsizetype asked = harness.Files.Filters.size();
        Trigger(*mainform, "SaveGame1");
        QCOMPARE(harness.Files.Filters.size(), asked);
        QVERIFY(BoardLive(*mainform));
        QVERIFY(mainform->Session().Saved());

        // A cancelled first save writes nothing and keeps the game unsaved.
        auto other = RunningFlag(harness);
        Trigger(*other, "SaveGame1");
        QVERIFY(!other->Session().Saved());
        QCOMPARE(other->Session().SavedGamePath(), std::string());
    }

    void SavePromptOnlyForUnsavedChanges() {
        MainformHarness harness;
        {
            auto mainform = RunningFlag(harness);
            harness.Files.Answers = {harness.Folder / "p.qvs"};
            Trigger(*mainform, "SaveGame1");
            harness.Messages.Answer = true;
            Trigger(*mainform, "ResetBoard1"); // asks its own question, OK
            harness.Messages.Shown.clear();
            mainform->close();
            QVERIFY(harness.Messages.Shown.isEmpty());
        }
        {
            auto mainform = harness.Create();
            mainform->LoadPuzzle(WriteFlag(harness));
            harness.Messages.Answer = false;
            mainform->close();
            QCOMPARE(harness.Messages.Shown,
                     QStringList{QStringLiteral("Do you want to save the current game?")});
        }
        {
            auto mainform = harness.Create();
            harness.Messages.Shown.clear();
            mainform->close();
            QVERIFY(harness.Messages.Shown.isEmpty());
        }
    }

    void FailedSaveKeepsTheOldFileAndSaysSo() {
        MainformHarness harness;
        auto mainform = RunningFlag(harness);
        const std::filesystem::path path = harness.Folder / "old.qvs";
        harness.Files.Answers = {path};
        Trigger(*mainform, "SaveGame1");
        const std::vector<std::uint8_t> before = ReadBytes(path);
        mainform->StartGame();
        Press(*mainform, Qt::LeftButton, 0, 0);

        // Files may not grow past 64 KiB for a moment: the save cannot be written whole.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &tight);
        Trigger(*mainform, "SaveGame1");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(ReadBytes(path), before);
        QVERIFY(!mainform->Session().Saved());
        QVERIFY(harness.Messages.Shown.last().startsWith(QStringLiteral("Cannot write file")));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(harness.Folder.Path()), {}),
                 std::ptrdiff_t{6}); // two fonts, puzzle, saved game, two folders: no stray file
    }

    void RefusedSavedGamesLeaveTheGameAsItWas() {
        MainformHarness harness;
        auto mainform = RunningFlag(harness);
        Press(*mainform, Qt::LeftButton, 0, 0);
        mainform->Timer1Timer();
        const std::filesystem::path good = harness.Folder / "good.qvs";
        harness.Files.Answers = {good};
        Trigger(*mainform, "SaveGame1");
        const std::vector<std::uint8_t> valid = ReadBytes(good);

        std::vector<std::uint8_t> badSignature = valid;
        badSignature[0] ^= 0xFF;
        std::vector<std::uint8_t> lying = valid;
        lying[131568] = 0xFF;
        lying[131571] = 0x7F; // two thousand million records in a small file
        const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
            {"truncated.qvs", {valid.begin(), valid.begin() + 100000}},
            {"signature.qvs", badSignature},
            {"lying.qvs", lying},
        };
        mainform->StartGame();
        Press(*mainform, Qt::RightButton, 1, 0);
        const GameState before = mainform->Game();
        const std::string beforePath = mainform->Session().SavedGamePath();
        for (const auto& [name, bytes] : cases) {
            WriteBytes(harness.Folder / name, bytes);
            mainform->LoadSavedGame(harness.Folder / name);
            QCOMPARE(harness.Messages.Shown.last(),
                     QStringLiteral("The file appears to be corrupted.\r\nUnable to open ") +
                         QString::fromStdString((harness.Folder / name).string()));
            QVERIFY(mainform->Game().PlayerGrid == before.PlayerGrid);
            QCOMPARE(mainform->Game().History, before.History);
            QCOMPARE(mainform->Game().ElapsedSeconds, before.ElapsedSeconds);
            QCOMPARE(mainform->Session().SavedGamePath(), beforePath);
            QVERIFY(mainform->Game().Puzzle == before.Puzzle);
            QVERIFY(mainform->Session().Loaded());
            QVERIFY(!BoardLive(*mainform));
        }
    }

    // Every part of a saved game replaces the loaded game's: a puzzle with more runs per line
    // must leave no clue behind, and a save straight afterwards writes the very same file.
    void SavedGameReplacesEveryPartOfTheLoadedGame() {
        MainformHarness harness;
        PuzzleRecord record = PuzzleFromPicture(Flag);
        record.Name.Assign("Flag");
        GameState flag = FreshGame(record);
        flag.Reserved = {1, 2, 3, 4, 5, 6, 7, 8};
        flag.PlayerGrid.Set(3, 2, CellState::Marked);
        flag.RowClues[2][1].State = 2;
        flag.ElapsedSeconds = 42;
        flag.History = {{0, 3, 2, 0, 3}, {1, 0, 2, 0, 2}};
        flag.HistoryIndex = 0;
        const std::filesystem::path path = harness.Folder / "flag.qvs";
        QCOMPARE(WriteSavedGameFile(path, flag), std::string());

        auto mainform = harness.Create();
        PuzzleRecord stripes = PuzzleFromPicture(
            {"#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#", ".#.#.#.", "#.#.#.#"});
        const std::filesystem::path stripesPath = harness.Folder / "stripes.qvf";
        WritePuzzleFile(stripesPath, stripes);
        mainform->LoadPuzzle(stripesPath);
        mainform->StartGame();
        PressClue(*mainform, {BoardArea::RowClueSlot, 0, 0});
        Press(*mainform, Qt::LeftButton, 6, 6);
        mainform->Timer1Timer();

        mainform->LoadSavedGame(path);
        SavedGame saved;
        QCOMPARE(ReadSavedGameFile(path, saved), FileReadStatus::Ok);
        GameSession fresh;
        fresh.LoadSavedGame(saved, path.string());
        const GameState& expected = fresh.Game();
        const GameState& game = mainform->Game();
        QVERIFY(game.RowClues == expected.RowClues);
        QVERIFY(game.ColumnClues == expected.ColumnClues);
        QCOMPARE(game.RowClueSlots, expected.RowClueSlots);
        QCOMPARE(game.ColumnClueSlots, expected.ColumnClueSlots);
        QVERIFY(game.PlayerGrid == expected.PlayerGrid);
        QCOMPARE(game.Reserved, flag.Reserved);
        QCOMPARE(game.ElapsedSeconds, 42);
        QCOMPARE(game.History, flag.History);
        QCOMPARE(game.HistoryIndex, 0);
        QCOMPARE(mainform->Session().Phase(), GamePhase::Paused);
        QVERIFY(mainform->Session().Saved() && !mainform->Session().CompletionShown());

        const std::filesystem::path again = harness.Folder / "again.qvs";
        harness.Files.Answers = {again};
        Trigger(*mainform, "SaveGameas1");
        QCOMPARE(ReadBytes(again), ReadBytes(path));
    }

    // Only a game loaded from a saved game carries reserved bytes; a puzzle starts with zeros.
    void PuzzleAfterASavedGameSavesZeroReservedBytes() {
        MainformHarness harness;
        GameState flag = FreshGame(PuzzleFromPicture(Flag));
        flag.Reserved = {9, 9, 9, 9, 9, 9, 9, 9};
        const std::filesystem::path path = harness.Folder / "reserved.qvs";
        QCOMPARE(WriteSavedGameFile(path, flag), std::string());

        auto mainform = harness.Create();
        mainform->LoadSavedGame(path);
        mainform->LoadPuzzle(WriteFlag(harness));
        const std::filesystem::path fresh = harness.Folder / "fresh.qvs";
        harness.Files.Answers = {fresh};
        Trigger(*mainform, "SaveGame1");
        const std::vector<std::uint8_t> bytes = ReadBytes(fresh);
        QVERIFY(std::all_of(bytes.begin() + 33248, bytes.begin() + 33256,
                            [](std::uint8_t byte) { return byte == 0; }));
    }

    void SavedGameOnTheCommandLineOpensPaused() {
        MainformHarness harness;
        std::filesystem::path path = harness.Folder / "cl.QvS";
        {
            auto mainform = RunningFlag(harness);
            harness.Files.Answers = {path};
            Trigger(*mainform, "SaveGame1");
        }
        auto mainform = harness.Create({path.string()});
        mainform->FormActivate();
        QVERIFY(mainform->Session().Loaded());
        QVERIFY(!BoardLive(*mainform));
        QCOMPARE(Prompt(*mainform), QStringLiteral("Press F5 to start game"));
    }

    void FileInformationShowsTheLastLoadedPuzzle() {
        MainformHarness harness;
        auto mainform = harness.Create();
        QVERIFY(!Control<QAction>(*mainform, "FileInformation1")->isEnabled());
        const auto field = [&](const char* name) {
            return harness.FileInfo.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(field("Label9"), QStringLiteral("[Unknown]"));
        QCOMPARE(field("Label6"), QStringLiteral("[Unknown]"));

        mainform->LoadPuzzle(WriteFlag(harness));
        QVERIFY(Control<QAction>(*mainform, "FileInformation1")->isEnabled());
        QCOMPARE(field("Label2"), QStringLiteral("Flag"));
        QCOMPARE(field("Label4"), QStringLiteral("{0000F1A6-0002-0003-0405-060708090A0B}"));
        QCOMPARE(field("Label9"), QStringLiteral("Ann"));
        QCOMPARE(field("Label6"), QStringLiteral("15/03/2023"));
        QCOMPARE(field("StaticText1"), QStringLiteral("Waves\nin the wind"));
    }
};

QTEST_MAIN(MainformSavedGameTest)
#include "mainform_saved_game_test.moc"
