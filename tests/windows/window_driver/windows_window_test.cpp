// The Windows program driven as a player drives it, under wine with real mouse and keys, and
// what it shows, saves and records held against the core doing the same.
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"
#include "window_driver/x_input.h"

#include "base/ole_date.h"
#include "game/command_states.h"
#include "game/game_session.h"
#include "game/game_texts.h"
#include "game/main_menu.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "render/board_renderer.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Where the board's top-left corner sits in the main window while the board fits.
constexpr int BoardLeft = 10;
constexpr int BoardTop = 40;
// ElapsedSeconds: the one field of a saved game that depends on when it was saved.
constexpr std::size_t ElapsedOffset = 131560;
// A menu item's command id is this plus the command's number in MainCommand.
constexpr int CommandIdBase = 1000;

PixelImage CoreDrawing(const GameState& game) {
    PixelImage image;
    BoardRenderer().Update(GameBoardScene(game, BoardSize::Small, DefaultScheme, SmallFace()),
                           image);
    return image;
}

// A game in the program and the same game in the core, given the same presses.
class PlayedGame {
public:
    PlayedGame(ProgramRun& run, const ClientArea& window) : Run(run), Window(window) {}

    GameSession Session;

    // The board the window shows equals the core's drawing of the session: grabbed again until
    // it does, since a press reaches the window some time after xdotool gives it. Once the two
    // have parted, later checks look once instead of waiting out the limit each time.
    void ExpectBoardAsDrawn(const std::string& after) {
        const PixelImage drawn = CoreDrawing(Session.Game());
        const std::string difference = AwaitDrawing(Run.Probe(), MainWindowClass, BoardLeft,
                                                    BoardTop, drawn, Parted ? 0s : 10s);
        Parted = Parted || !difference.empty();
        EXPECT_EQ(difference, "") << "after " << after;
    }

    void Press(const BoardTarget& target, ButtonKind kind) {
        const PixelRect box = BoardGeometry::Of(Session.Game(), BoardSize::Small).BoxOf(target);
        ASSERT_TRUE(ClickAt(Window.X + BoardLeft + (box.Left + box.Right) / 2,
                            Window.Y + BoardTop + (box.Top + box.Bottom) / 2,
                            kind == ButtonKind::Left ? MouseButton::Left : MouseButton::Right));
        Session.Press(target, kind);
    }

    // Presses and checks the board after each press.
    void PressAndCompare(const BoardTarget& target, ButtonKind kind) {
        Press(target, kind);
        std::ostringstream what;
        what << (kind == ButtonKind::Left ? "left" : "right") << " press on area "
             << static_cast<int>(target.Area) << " (" << target.Col << ", " << target.Row << ")";
        ExpectBoardAsDrawn(what.str());
    }

    // Every menu item's enabled state is the one the core's table gives for the session.
    void ExpectMenusAsTheTable(const std::string& when) {
        const auto items = Run.Probe().Menu(MainWindowClass);
        ASSERT_FALSE(items.empty()) << "no menu read " << when;
        const CommandStates states = CommandStatesFor(Session.Phase(), Session.Game());
        VisitMenus(MainMenus(), [&](const MainMenuEntry& entry) {
            const auto item = items.find(CommandIdBase + static_cast<int>(entry.Command));
            ASSERT_NE(item, items.end()) << entry.Name << " is not in the menu " << when;
            EXPECT_EQ(item->second.Enabled, CommandEnabled(entry.Command, states))
                << entry.Name << " " << when;
        });
    }

    void Key(const std::string& keys) { ASSERT_TRUE(PressKey(keys)); }

private:
    template <typename Visit>
    static void VisitMenus(const std::vector<MainMenuEntry>& entries, const Visit& visit) {
        for (const MainMenuEntry& entry : entries)
            if (entry.IsMenu())
                VisitMenus(entry.Items, visit);
            else if (!entry.IsSeparator())
                visit(entry);
    }

    ProgramRun& Run;
    ClientArea Window;
    bool Parted = false;
};

// The first clue slot of the area whose press changes the drawing: one that shows a number.
BoardTarget NumberedClue(const GameState& game, BoardArea area) {
    const BoardGeometry geometry = BoardGeometry::Of(game, BoardSize::Small);
    const PixelImage before = CoreDrawing(game);
    const int lines = area == BoardArea::RowClueSlot ? geometry.Rows() : geometry.Columns();
    const int slots =
        area == BoardArea::RowClueSlot ? geometry.RowClueSlots() : geometry.ColumnClueSlots();
    for (int line = 0; line < lines; ++line)
        for (int slot = 0; slot < slots; ++slot) {
            const BoardTarget target = area == BoardArea::RowClueSlot
                                           ? BoardTarget{area, slot, line}
                                           : BoardTarget{area, line, slot};
            GameState pressed = game;
            PressBox(pressed, target, ButtonKind::Left);
            if (CoreDrawing(pressed) != before)
                return target;
        }
    throw std::runtime_error("no clue shows a number");
}

// A REG_BINARY listing's bytes as a little-endian double.
std::optional<double> BinaryDouble(const std::string& hex) {
    if (hex.size() != 16)
        return std::nullopt;
    std::uint8_t bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    double value = 0;
    std::memcpy(&value, bytes, 8);
    return value;
}

void PrintPaintTimes(const fs::path& path) {
    std::map<std::string, std::vector<long>> times;
    std::ifstream file(path);
    std::string kind;
    for (long microseconds = 0; file >> kind >> microseconds;)
        times[kind].push_back(microseconds);
    if (times.empty())
        std::cout << "paint times: none written\n";
    for (auto& [name, values] : times) {
        std::sort(values.begin(), values.end());
        std::cout << "paint times, " << name << ": " << values.size() << " taken, median "
                  << values[values.size() / 2] << " us, longest " << values.back() << " us\n";
    }
}

std::string Caption() {
    return "Quorvane - " + std::string(ShippedPuzzle().Name.Text());
}

} // namespace

TEST(WindowsProgram, DoesNotStartWithoutQvw32) {
    ProgramRun run({}, /*alone=*/true);
    ASSERT_TRUE(run.Probe().Answers());
    EXPECT_FALSE(run.Probe().Find(MainWindowClass, 3s)) << "a main window showed";
    const auto status = run.Ended(30s);
    ASSERT_TRUE(status) << "the program still runs";
    EXPECT_FALSE(ExitedCleanly(*status));
}

TEST(WindowsProgram, MenusWithoutAPuzzleFollowTheCommandTable) {
    ProgramRun run({});
    const auto window = run.MainWindow("Quorvane [BETA]");
    ASSERT_TRUE(window) << "no main window captioned Quorvane [BETA]";
    PlayedGame game(run, *window);
    game.ExpectMenusAsTheTable("with no puzzle");
    const auto items = run.Probe().Menu(MainWindowClass);
    EXPECT_TRUE(items.at(CommandIdBase + static_cast<int>(MainCommand::Small1)).Checked);
    EXPECT_FALSE(items.at(CommandIdBase + static_cast<int>(MainCommand::Medium1)).Checked);
}

// One start for a whole game: the board after each press, the menus in every phase, a save
// through the dialog, the solution, its congratulations and its record.
TEST(WindowsProgram, PlaysSavesAndSolvesAsTheCoreDoes) {
    TempFolder data;
    const PuzzleRecord puzzle = ShippedPuzzle();
    const fs::path puzzlePath = data / (std::string(PuzzleName) + ".qvf");
    ASSERT_EQ(WritePuzzleFile(puzzlePath, puzzle), "");
    ProgramRun run({WindowsPath(puzzlePath)});
    const std::string recordKey = SolvedRecordKey(puzzle.PuzzleId);
    ASSERT_TRUE(run.Probe().Forget(recordKey));
    const auto window = run.MainWindow(Caption());
    ASSERT_TRUE(window) << "the puzzle named on the command line did not open";
    PlayedGame game(run, *window);
    game.Session.LoadPuzzle(puzzle);
    game.ExpectMenusAsTheTable("paused");

    game.Key("F5");
    game.Session.Start();
    game.ExpectBoardAsDrawn("F5");
    game.ExpectMenusAsTheTable("running, nothing done");
    // Both buttons on cells, a right press on a filled cell, both on clue numbers, twice on the
    // same box within a double-click's time.
    game.PressAndCompare({BoardArea::GridCell, 0, 0}, ButtonKind::Left);
    game.PressAndCompare({BoardArea::GridCell, 0, 0}, ButtonKind::Right);
    game.PressAndCompare({BoardArea::GridCell, 4, 1}, ButtonKind::Right);
    game.PressAndCompare({BoardArea::GridCell, 4, 1}, ButtonKind::Right);
    game.PressAndCompare({BoardArea::GridCell, 2, 4}, ButtonKind::Left);
    const BoardTarget rowClue = NumberedClue(game.Session.Game(), BoardArea::RowClueSlot);
    const BoardTarget columnClue = NumberedClue(game.Session.Game(), BoardArea::ColumnClueSlot);
    game.PressAndCompare(rowClue, ButtonKind::Left);
    game.PressAndCompare(columnClue, ButtonKind::Right);
    game.PressAndCompare(columnClue, ButtonKind::Left);
    game.ExpectMenusAsTheTable("running, with a history");

    // The first save of a game asks for a name, in the saved games folder, and pauses.
    game.Key("ctrl+s");
    ASSERT_TRUE(run.Probe().Find("#32770", 10s)) << "no save dialog";
    ASSERT_TRUE(TypeText("played"));
    game.Key("Return");
    const fs::path windowsSave = run.Folder() / "Saved Games" / "played.qvs";
    ASSERT_TRUE(run.Probe().AwaitFile(windowsSave, 10s)) << "nothing saved";
    game.Session.Pause();
    game.ExpectMenusAsTheTable("paused by the save");
    const fs::path linuxSave = data / "linux.qvs";
    ASSERT_EQ(WriteSavedGameFile(linuxSave, game.Session.Game()), "");
    std::vector<std::uint8_t> windowsBytes = FileBytes(windowsSave);
    std::vector<std::uint8_t> linuxBytes = FileBytes(linuxSave);
    ASSERT_EQ(windowsBytes.size(), linuxBytes.size());
    std::fill_n(windowsBytes.begin() + ElapsedOffset, 4, 0);
    std::fill_n(linuxBytes.begin() + ElapsedOffset, 4, 0);
    EXPECT_TRUE(windowsBytes == linuxBytes) << "the saves differ beyond the clock";
    SavedGame readBack;
    ASSERT_EQ(ReadSavedGameFile(windowsSave, readBack), FileReadStatus::Ok);
    EXPECT_EQ(readBack.PlayerGrid, game.Session.Game().PlayerGrid);
    EXPECT_EQ(readBack.History, game.Session.Game().History);

    // Resumed and solved: every cell of the picture filled, every other one not.
    game.Key("F5");
    game.Session.Start();
    game.ExpectBoardAsDrawn("resuming");
    for (int row = 0; row < puzzle.Height; ++row)
        for (int column = 0; column < puzzle.Width; ++column) {
            const bool picture = puzzle.Solution.At(column, row) == 1;
            for (int presses = 0; presses < 2; ++presses) {
                const auto state = game.Session.Game().PlayerGrid.At(column, row);
                if (picture == (state == 1))
                    break;
                game.Press({BoardArea::GridCell, column, row},
                           picture ? ButtonKind::Left : ButtonKind::Right);
            }
        }
    ASSERT_EQ(game.Session.Phase(), GamePhase::Solved);
    const auto close = run.Probe().Control("Puzzle Solved", "Close", 10s);
    ASSERT_TRUE(close) << "no Puzzle Solved window with a Close button";
    const auto windows = run.Probe().Windows();
    const auto congratulations = std::find_if(windows.begin(), windows.end(), [](const auto& w) {
        return w.Caption == "Puzzle Solved";
    });
    ASSERT_NE(congratulations, windows.end());
    EXPECT_EQ(congratulations->OwnerClass, MainWindowClass) << "not modal over the main window";
    game.ExpectMenusAsTheTable("solved, congratulated");
    ASSERT_TRUE(ClickAt((close->Left + close->Right) / 2, (close->Top + close->Bottom) / 2,
                        MouseButton::Left));

    std::map<std::string, RegValue> record;
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (record.size() < 4 && std::chrono::steady_clock::now() < end)
        record = RegistryValues(recordKey);
    ASSERT_EQ(record.size(), 4u) << "the solved record is not in the registry";
    EXPECT_EQ(record["Time"].Type, "REG_DWORD");
    EXPECT_EQ(record["Level"].Type, "REG_DWORD");
    EXPECT_EQ(std::stol(record["Level"].Data, nullptr, 16), puzzle.Level);
    EXPECT_EQ(record["Puzzlename"].Type, "REG_SZ");
    EXPECT_EQ(record["Puzzlename"].Data, PuzzleName);
    EXPECT_EQ(record["Date Completed"].Type, "REG_BINARY");
    const auto date = BinaryDouble(record["Date Completed"].Data);
    ASSERT_TRUE(date) << "Date Completed is not 8 bytes: " << record["Date Completed"].Data;
    EXPECT_LT(std::abs(*date - OleDateNow()), 1.0 / 24) << "Date Completed is not now";
    // The board only now: the dialog stood over it, and a window's pixels under another window
    // are the other's.
    game.ExpectBoardAsDrawn("solving");
    game.ExpectMenusAsTheTable("solved");
    PrintPaintTimes(run.PaintTimes());
}

TEST(WindowsProgram, OpensAGameTheCoreSaved) {
    TempFolder data;
    GameSession core;
    core.LoadPuzzle(ShippedPuzzle());
    core.Start();
    core.Press({BoardArea::GridCell, 1, 1}, ButtonKind::Left);
    core.Press({BoardArea::GridCell, 3, 2}, ButtonKind::Right);
    core.Press(NumberedClue(core.Game(), BoardArea::ColumnClueSlot), ButtonKind::Left);
    core.Tick();
    const fs::path saved = data / "from linux.qvs";
    ASSERT_EQ(WriteSavedGameFile(saved, core.Game()), "");

    ProgramRun run({WindowsPath(saved)});
    const auto window = run.MainWindow(Caption());
    ASSERT_TRUE(window) << "the saved game named on the command line did not open";
    PlayedGame game(run, *window);
    SavedGame read;
    ASSERT_EQ(ReadSavedGameFile(saved, read), FileReadStatus::Ok);
    game.Session.LoadSavedGame(read, saved.string());
    game.Key("F5");
    game.Session.Start();
    game.ExpectBoardAsDrawn("F5 on the opened game");
    game.ExpectMenusAsTheTable("running the opened game");
    PrintPaintTimes(run.PaintTimes());
}

// Shipped puzzles that fit a 1280 x 1024 screen whole, given on the command line: the window
// takes W + 20 by H + 69 and shows the whole board with its margins, no scroll bar hiding its
// last columns or rows, in Small and after a switch to Large.
TEST(WindowsProgram, BoardsThatFitShowWholeWithoutScrollBars) {
    for (const char* name : {"Owl", "Castle"}) {
        SCOPED_TRACE(name);
        const fs::path path = Driver().ProgramFolder / "Puzzles" / (std::string(name) + ".qvf");
        PuzzleRecord puzzle;
        ASSERT_EQ(ReadGamePuzzleFile(path, puzzle), FileReadStatus::Ok);
        ProgramRun run({WindowsPath(path)});
        const auto window = run.MainWindow("Quorvane - " + std::string(puzzle.Name.Text()));
        ASSERT_TRUE(window) << "the puzzle named on the command line did not open";
        PlayedGame game(run, *window);
        game.Session.LoadPuzzle(puzzle);
        game.Key("F5");
        game.Session.Start();
        game.ExpectBoardAsDrawn("F5");

        // Options > Size > Large: the fourth item's submenu, its second item.
        for (const char* key : {"alt+o", "Down", "Down", "Down", "Right", "Down", "Return"})
            game.Key(key);
        const BoardGeometry large = BoardGeometry::Of(game.Session.Game(), BoardSize::Large);
        std::optional<ClientArea> resized;
        const auto end = std::chrono::steady_clock::now() + 10s;
        do
            resized = run.Probe().Find(MainWindowClass, 1s);
        while (resized && resized->Width != large.Width() + 20 &&
               std::chrono::steady_clock::now() < end);
        ASSERT_TRUE(resized);
        EXPECT_EQ(resized->Width, large.Width() + 20);
        EXPECT_EQ(resized->Height, large.Height() + 69);
        // The margins right of and below the board are the window's colour: a bar would stand
        // there.
        const PixelRect below{0, BoardTop + large.Height(), resized->Width,
                              BoardTop + large.Height() + 10};
        const PixelRect right{BoardLeft + large.Width(), BoardTop, resized->Width,
                              BoardTop + large.Height()};
        // Grabbed again until painted, since the window repaints some time after it is sized.
        const auto inWindowColour = [&](const PixelRect& margin) {
            const auto shown = run.Probe().Grab(MainWindowClass, margin);
            return shown && std::all_of(shown->Pixels.begin(), shown->Pixels.end(), [](Pixel p) {
                       return (p & 0xFFFFFF) == (PixelOf(DefaultScheme[0]) & 0xFFFFFF);
                   });
        };
        for (const PixelRect& margin : {below, right}) {
            bool blank = false;
            for (const auto until = std::chrono::steady_clock::now() + 10s;
                 !blank && std::chrono::steady_clock::now() < until;)
                blank = inWindowColour(margin);
            EXPECT_TRUE(blank) << "a scroll bar or the board stands in the margin";
        }
    }
}

// A board larger than the screen scrolls; a saved game opened after scrolling it starts at the
// board's top-left corner.
TEST(WindowsProgram, AGameOpenedAfterScrollingShowsFromTheTopLeft) {
    TempFolder data;
    const auto picture = [](int shift) {
        std::vector<std::string> rows(100, std::string(100, '.'));
        for (int row = 0; row < 100; ++row)
            for (int column = 0; column < 100; ++column)
                if ((row * 7 + column * 3 + shift) % 5 < 2)
                    rows[row][column] = '#';
        return PuzzleFromPicture(rows);
    };
    const PuzzleRecord first = picture(0);
    const fs::path firstPath = data / "first.qvf";
    ASSERT_EQ(WritePuzzleFile(firstPath, first), "");
    GameSession second;
    second.LoadPuzzle(picture(1));
    const fs::path secondPath = data / "second.qvs";
    ASSERT_EQ(WriteSavedGameFile(secondPath, second.Game()), "");

    ProgramRun run({WindowsPath(firstPath)});
    GameSession opened;
    opened.LoadPuzzle(first);
    const auto window = run.MainWindow(CaptionText(opened.Phase(), first));
    ASSERT_TRUE(window) << "the puzzle named on the command line did not open";
    PlayedGame game(run, *window);
    game.Key("F5");
    // Presses on the bar down's track, above its arrow and the bar across, page down.
    for (int page = 0; page < 3; ++page)
        ASSERT_TRUE(ClickAt(window->X + window->Width - 5, window->Y + window->Height - 19 - 40,
                            MouseButton::Left));
    game.Key("ctrl+o");
    ASSERT_TRUE(run.Probe().Find("#32770", 10s)) << "no open dialog";
    ASSERT_TRUE(TypeText(WindowsPath(secondPath)));
    game.Key("Return");
    game.Key("F5");
    second.Start();
    // The part of the board the window shows from its top-left corner.
    const PixelImage drawn = CoreDrawing(second.Game());
    EXPECT_EQ(AwaitDrawing(run.Probe(), MainWindowClass, BoardLeft, BoardTop,
                           Cropped(drawn, {0, 0, 300, 300}), 10s),
              "")
        << "the opened game does not show from the board's top-left corner";
}
