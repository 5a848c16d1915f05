// The Windows preferences dialog played with real mouse and keys: a stored scheme picked there is
// the one the registry names in force and the one the main window's board is drawn in.
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"
#include "window_driver/x_input.h"

#include "game/game_session.h"
#include "model/puzzle_file.h"
#include "render/board_renderer.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace std::chrono_literals;

namespace {

constexpr const char* SchemeName = "Driver Scheme";
const std::string QuorvaneKey = "HKCU\\Software\\Quorvane";
const std::string SchemeKey = QuorvaneKey + "\\Color sets\\" + SchemeName;

// Eleven colours unlike the default scheme's and unlike each other.
ColourSet StoredColours() {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = RgbColour(static_cast<int>(20 + 21 * role), static_cast<int>(200 - 13 * role),
                                  static_cast<int>(90 + 7 * role));
    return colours;
}

bool StoreScheme(const ColourSet& colours) {
    for (std::size_t role = 0; role < ColourRoleCount; ++role) {
        const std::string name(ColourRoleName(static_cast<ColourRole>(role)));
        if (!ExitedCleanly(RunProgram({"wine", "reg", "add", SchemeKey, "/v", name, "/t",
                                       "REG_DWORD", "/d", std::to_string(colours[role]), "/f"})))
            return false;
    }
    return true;
}

// The scheme and the choice of it leave the prefix, so the other tests see the default colours.
struct SchemeRemoved {
    ~SchemeRemoved() {
        RunProgram({"wine", "reg", "delete", QuorvaneKey, "/v", "ColorSet", "/f"});
        RunProgram({"wine", "reg", "delete", SchemeKey, "/f"});
    }
};

} // namespace

TEST(WindowsPreferences, AStoredSchemePickedIsInForceAndDrawsTheBoard) {
    const SchemeRemoved cleanUp;
    const ColourSet colours = StoredColours();
    // The dialog lists the stored schemes when the program makes it, at the start.
    ASSERT_TRUE(StoreScheme(colours));
    TempFolder data;
    const PuzzleRecord puzzle = ShippedPuzzle();
    const auto path = data / (std::string(PuzzleName) + ".qvf");
    ASSERT_EQ(WritePuzzleFile(path, puzzle), "");
    ProgramRun run({WindowsPath(path)});
    ASSERT_TRUE(run.MainWindow("Quorvane - " + puzzle.Name.Text())) << "the puzzle did not open";

    // Options > Preferences: past Puzzle Editor and File Information.
    ASSERT_TRUE(PressKey("alt+o"));
    ASSERT_TRUE(PressKey("Down"));
    ASSERT_TRUE(PressKey("Down"));
    ASSERT_TRUE(PressKey("Return"));
    ASSERT_TRUE(run.Probe().Find("Tfpreferences", 10s)) << "no preferences dialog";
    const auto schemeBox = run.Probe().Control("Preferences", "[Current]", 10s);
    ASSERT_TRUE(schemeBox) << "no scheme box showing [Current]";
    ASSERT_TRUE(ClickAt(schemeBox->Left + 10, (schemeBox->Top + schemeBox->Bottom) / 2,
                        MouseButton::Left));
    ASSERT_TRUE(PressKey("End"));
    ASSERT_TRUE(PressKey("shift+Home"));
    ASSERT_TRUE(TypeText(SchemeName));
    const auto ok = run.Probe().Control("Preferences", "OK", 10s);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(ClickAt((ok->Left + ok->Right) / 2, (ok->Top + ok->Bottom) / 2, MouseButton::Left));

    std::map<std::string, RegValue> values;
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (values["ColorSet"].Data != SchemeName && std::chrono::steady_clock::now() < end)
        values = RegistryValues("Software\\Quorvane");
    EXPECT_EQ(values["ColorSet"].Type, "REG_SZ");
    EXPECT_EQ(values["ColorSet"].Data, SchemeName);

    ASSERT_TRUE(PressKey("F5"));
    GameSession session;
    session.LoadPuzzle(puzzle);
    session.Start();
    PixelImage drawn;
    BoardRenderer().Update(GameBoardScene(session.Game(), BoardSize::Small, colours, SmallFace()),
                           drawn);
    // The board's corner in the main window while the board fits.
    EXPECT_EQ(AwaitDrawing(run.Probe(), MainWindowClass, 10, 40, drawn, 10s), "")
        << "the board is not drawn in the stored scheme";
}
