// The Windows program as it starts: the prompt its main window shows before any puzzle, held
// against the core's layout and frame; a message that start-up has to give, which must not stand
// under the splash; and where saved games go when the program folder refuses them.
#include "game/prompt_layout.h"
#include "support/temp_folder.h"
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr const char* SplashClass = "QuorvaneSplash";
constexpr const char* MessageBoxClass = "#32770";

// The panel in a grab of the client area: the pixels of its middle row that differ from the
// window's background at the row's ends, and the column at its left edge as far up and down as
// it differs too. Nothing when the middle row shows no panel.
std::optional<PixelRect> FoundPanel(const PixelImage& client) {
    const int middle = client.Height / 2;
    const Pixel background = client.At(0, middle);
    int left = 0;
    while (left < client.Width && client.At(left, middle) == background)
        ++left;
    if (left == client.Width)
        return std::nullopt;
    int right = client.Width;
    while (client.At(right - 1, middle) == background)
        --right;
    int top = middle;
    while (top > 0 && client.At(left, top - 1) != background)
        --top;
    int bottom = middle + 1;
    while (bottom < client.Height && client.At(left, bottom) != background)
        ++bottom;
    return PixelRect{left, top, right, bottom};
}

// Whether the core places a panel there for text of some size.
bool PlacedByTheCore(const PixelRect& panel, int clientWidth, int clientHeight) {
    for (int textWidth = 0; textWidth < clientWidth; ++textWidth)
        for (int textHeight = 0; textHeight < clientHeight; ++textHeight)
            if (PromptLayoutFor(clientWidth, clientHeight, textWidth, textHeight).Panel == panel)
                return true;
    return false;
}

// Where the screen first differs from the window's own drawing of its client area; "" when
// they are alike.
std::string FirstCovered(const PixelImage& screen, const PixelImage& own) {
    if (screen.Width != own.Width || screen.Height != own.Height)
        return "sizes differ";
    for (int y = 0; y < own.Height; ++y)
        for (int x = 0; x < own.Width; ++x)
            if ((screen.At(x, y) & 0xFFFFFF) != (own.At(x, y) & 0xFFFFFF)) {
                std::ostringstream text;
                text << "at client point (" << x << ", " << y << ") the screen shows 0x" << std::hex
                     << (screen.At(x, y) & 0xFFFFFF) << ", the window 0x"
                     << (own.At(x, y) & 0xFFFFFF);
                return text.str();
            }
    return {};
}

// The screen shows the window's client area as the window draws it, grabbed again until it does
// within the limit: "" then, else the last difference.
std::string AwaitInFront(WindowProbe& probe, const std::string& windowClass, const ClientArea& area,
                         std::chrono::milliseconds limit) {
    std::string difference;
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
        const auto own = probe.Grab(windowClass, {0, 0, area.Width, area.Height});
        const auto screen =
            probe.Grab("-", {area.X, area.Y, area.X + area.Width, area.Y + area.Height});
        difference = own && screen ? FirstCovered(*screen, *own) : "nothing grabbed";
    } while (!difference.empty() && std::chrono::steady_clock::now() < end);
    return difference;
}

// A start of the program in a folder the test prepares before it starts; the program is ended
// through the probe, however far it came.
class PreparedRun {
public:
    explicit PreparedRun(const std::function<void(const fs::path&)>& prepare)
        : Probe_(Driver().Probe, Scratch.Path()) {
        const fs::path program = Folder.Path() / Driver().Program.filename();
        fs::copy_file(Driver().Program, program);
        for (const auto& entry : fs::directory_iterator(Driver().ProgramFolder)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".dll" || extension == ".fnt")
                fs::copy_file(entry.path(), Folder.Path() / entry.path().filename());
        }
        prepare(Folder.Path());
        Child = StartUnderWine({WindowsPath(program)});
    }
    PreparedRun(const PreparedRun&) = delete;
    PreparedRun& operator=(const PreparedRun&) = delete;
    ~PreparedRun() {
        // The main window is made before the start-up messages, so its process is found by it.
        Probe_.Kill(MainWindowClass);
        if (!WaitWithin(Child, 10s)) {
            KillHelper(Child);
            WaitFor(Child);
        }
    }

    WindowProbe& Probe() { return Probe_; }

private:
    TempFolder Folder;
    TempFolder Scratch;
    WindowProbe Probe_;
    ChildId Child = NoChild;
};

} // namespace

// The panel's frame was drawn in the system's 3-D edge colours; it is the core's: white above and
// on the left, grey below and on the right, two pixels inside the panel's edge.
TEST(WindowsProgramStart, PromptPanelHasTheCoresRaisedFrame) {
    ProgramRun run({});
    const auto window = run.MainWindow("Quorvane [BETA]");
    ASSERT_TRUE(window) << "no main window captioned Quorvane [BETA]";
    // Grabbed again until it shows a panel where the core places one: the window paints some time
    // after it shows, and the splash stands over it for its first second.
    std::optional<PixelImage> shown;
    std::optional<PixelRect> panel;
    bool placed = false;
    const auto end = std::chrono::steady_clock::now() + 10s;
    do {
        shown = run.Probe().Grab(MainWindowClass, {0, 0, window->Width, window->Height});
        panel = shown ? FoundPanel(*shown) : std::nullopt;
        placed = panel && PlacedByTheCore(*panel, window->Width, window->Height);
    } while (!placed && std::chrono::steady_clock::now() < end);
    ASSERT_TRUE(panel) << "no prompt panel in the middle of the main window";
    ASSERT_TRUE(placed) << "a panel from (" << panel->Left << ", " << panel->Top << ") to ("
                        << panel->Right << ", " << panel->Bottom << ") in a client area "
                        << window->Width << " x " << window->Height;

    // What is shown, with the core's frame drawn over it: only a frame pixel can differ.
    PixelImage framed = *shown;
    for (const PromptFrameStrip& strip : PromptFrameStrips(*panel))
        framed.Fill(strip.Area, PixelOf(strip.Colour));
    EXPECT_EQ(FirstDifference(*shown, framed), "");
}

// With a file named Puzzles where the folder should be, the message that it could not be made
// opened under the splash, which stands above every window while the program starts. The screen
// must show the message whole, whether it stands above the splash or the splash has gone.
TEST(WindowsProgramStart, FolderMessageStandsInFrontOfTheSplash) {
    // A remembered puzzle folder would be used in place of the blocked one.
    RunProgram({"wine", "reg", "delete", "HKEY_CURRENT_USER\\Software\\Quorvane", "/v",
                "LastPuzzleDir", "/f"});
    PreparedRun run([](const fs::path& folder) { std::ofstream(folder / "Puzzles") << "blocked"; });
    // The splash comes first thing, a second before the message can.
    ASSERT_TRUE(run.Probe().Find(SplashClass, 30s)) << "no splash";
    const auto message = run.Probe().Find(MessageBoxClass, 30s);
    ASSERT_TRUE(message) << "no message about the puzzle folder";
    EXPECT_EQ(AwaitInFront(run.Probe(), MessageBoxClass, *message, 10s), "");
}

// Where the program folder refuses saved games, as a file named Saved Games there does, they go to
// Saved Games in the user's application data folder, which the program makes as it starts.
TEST(WindowsProgramStart, SavedGamesGoToTheApplicationDataFolderWhereTheProgramFolderRefusesThem) {
    std::string appData;
    ASSERT_TRUE(ExitedCleanly(RunProgram({"wine", "cmd", "/c", "echo", "%APPDATA%"}, &appData)));
    appData.erase(appData.find_last_not_of("\r\n") + 1);
    ASSERT_EQ(appData.rfind("C:\\", 0), 0u) << appData;
    fs::path userFolder = Driver().Prefix / "drive_c";
    std::istringstream names(appData.substr(3));
    for (std::string name; std::getline(names, name, '\\');)
        userFolder /= name;
    const fs::path savedGames = userFolder / "Quorvane" / "Saved Games";
    fs::remove_all(savedGames);

    PreparedRun run(
        [](const fs::path& folder) { std::ofstream(folder / "Saved Games") << "blocked"; });
    ASSERT_TRUE(run.Probe().Find(MainWindowClass, 30s, "Quorvane [BETA]")) << "no main window";
    EXPECT_TRUE(fs::is_directory(savedGames)) << savedGames;
    EXPECT_FALSE(run.Probe().Find(MessageBoxClass, 0s)) << "a message showed";
}
