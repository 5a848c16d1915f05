// The Windows program on a display of 144 dots per inch: its layout grows by half and its board
// shows each pixel as a 2 × 2 square, and a press still hits the box under the pointer. The run has
// a wine prefix of its own, a copy of the driver's with the density changed, so that the other
// tests keep 96.
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"
#include "window_driver/x_input.h"

#include "board/board_geometry.h"
#include "board/display_scale.h"
#include "game/game_session.h"
#include "model/puzzle_file.h"
#include "render/board_renderer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A copy of the driver's prefix whose density (LogPixels, the user's and the current
// configuration's) is the one given; the driver's runs use it while this lives. The values are
// written through the copy's own registry server, since the original's files may not yet hold
// what its server knows.
class DensityPrefix {
public:
    explicit DensityPrefix(int dpi) : Saved(Driver().Prefix) {
        const fs::path copy = Folder.Path() / "prefix";
        fs::copy(Saved, copy, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        Driver().Prefix = copy;
        UseWinePrefix(copy);
        for (const char* key : {"HKCU\\Control Panel\\Desktop",
                                "HKCC\\Software\\Fonts"})
            EXPECT_EQ(RunProgram({"wine", "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD",
                                  "/d", std::to_string(dpi), "/f"}),
                      0)
                << "LogPixels not written under " << key;
    }
    ~DensityPrefix() {
        const std::string stop = "WINEPREFIX='" + Driver().Prefix.string() + "' wineserver -k";
        [[maybe_unused]] const int ended = std::system(stop.c_str());
        Driver().Prefix = Saved;
        UseWinePrefix(Saved);
    }
    DensityPrefix(const DensityPrefix&) = delete;
    DensityPrefix& operator=(const DensityPrefix&) = delete;

private:
    TempFolder Folder;
    fs::path Saved;
};

// The core's drawing with every pixel a zoom × zoom square, cut to the rectangle given in
// zoomed pixels.
PixelImage Replicated(const PixelImage& image, int zoom, const PixelRect& cut) {
    PixelImage shown;
    shown.Resize(cut.Right - cut.Left, cut.Bottom - cut.Top);
    for (int y = 0; y < shown.Height; ++y)
        for (int x = 0; x < shown.Width; ++x)
            shown.Pixels[static_cast<std::size_t>(y) * shown.Width + x] =
                image.Pixels[static_cast<std::size_t>((cut.Top + y) / zoom) * image.Width +
                             (cut.Left + x) / zoom];
    return shown;
}

} // namespace

TEST(WindowsProgramAt144Dpi, TheBoardShowsAtTwiceItsPixelsAndAPressHitsTheBoxUnderThePointer) {
    const DensityPrefix prefix(144);
    const DisplayScale scale(144);
    const int zoom = scale.BoardZoom();
    ASSERT_EQ(zoom, 2);
    const fs::path path = Driver().ProgramFolder / "Puzzles" / "Owl.qvf";
    PuzzleRecord puzzle;
    ASSERT_EQ(ReadGamePuzzleFile(path, puzzle), FileReadStatus::Ok);
    ProgramRun run({WindowsPath(path)});
    const auto window = run.MainWindow("Quorvane - " + std::string(puzzle.Name.Text()));
    ASSERT_TRUE(window) << "the puzzle named on the command line did not open";
    // The board's room, scaled: 15 pixels left of it and 15 below the 45-pixel tool band.
    const int left = scale.Length(10);
    const int top = scale.Length(40);
    GameSession session;
    session.LoadPuzzle(puzzle);
    ASSERT_TRUE(PressKey("F5"));
    session.Start();
    const auto drawing = [&] {
        PixelImage image;
        BoardRenderer().Update(
            GameBoardScene(session.Game(), BoardSize::Small, DefaultScheme, SmallFace()), image);
        return image;
    };
    PixelImage image = drawing();
    // The window is as wide as the zoomed board with its margins, and a bar down where the board
    // is taller than the screen.
    EXPECT_GE(window->Width, image.Width * zoom + 2 * left)
        << "the board was not shown at twice its pixels";
    // The top-left part of the board, which shows whatever the screen's size.
    const PixelRect cut{0, 0, std::min(image.Width * zoom, 400), 300};
    EXPECT_EQ(AwaitDrawing(run.Probe(), MainWindowClass, left, top, Replicated(image, zoom, cut),
                           10s),
              "");
    // A press on the first cell, at its zoomed centre, fills it in the core's drawing too.
    const BoardGeometry board = BoardGeometry::Of(session.Game(), BoardSize::Small);
    const BoardTarget cell{BoardArea::GridCell, 0, 0};
    const PixelRect box = board.BoxOf(cell);
    ASSERT_LT(box.Bottom * zoom, cut.Bottom);
    ASSERT_TRUE(ClickAt(window->X + left + (box.Left + box.Right) * zoom / 2,
                        window->Y + top + (box.Top + box.Bottom) * zoom / 2, MouseButton::Left));
    session.Press(cell, ButtonKind::Left);
    image = drawing();
    EXPECT_EQ(AwaitDrawing(run.Probe(), MainWindowClass, left, top, Replicated(image, zoom, cut),
                           10s),
              "")
        << "the press did not fill the cell under the pointer";
}
