// The Windows program as it starts: the prompt its main window shows before any
// puzzle, held against the core's layout and frame.
#include "game/prompt_layout.h"
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// The panel in a grab of the client area: the pixels of its middle row that
// differ from the window's background at the row's ends, and the column at its
// left edge as far up and down as it differs too. Nothing when the middle row
// shows no panel.
std::optional<PixelRect> FoundPanel(const PixelImage &client) {
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
bool PlacedByTheCore(const PixelRect &panel, int clientWidth,
                     int clientHeight) {
  for (int textWidth = 0; textWidth < clientWidth; ++textWidth)
    for (int textHeight = 0; textHeight < clientHeight; ++textHeight)
      if (PromptLayoutFor(clientWidth, clientHeight, textWidth, textHeight)
              .Panel == panel)
        return true;
  return false;
}

} // namespace

// The panel's frame was drawn in the system's 3-D edge colours; it is the
// core's: white above and on the left, grey below and on the right, two pixels
// inside the panel's edge.
TEST(WindowsProgramStart, PromptPanelHasTheCoresRaisedFrame) {
  ProgramRun run({});
  const auto window = run.MainWindow("Quorvane [BETA]");
  ASSERT_TRUE(window) << "no main window captioned Quorvane [BETA]";
  // Grabbed again until it shows a panel where the core places one: the window
  // paints some time after it shows, and the splash stands over it for its
  // first second.
  std::optional<PixelImage> shown;
  std::optional<PixelRect> panel;
  bool placed = false;
  const auto end = std::chrono::steady_clock::now() + 10s;
  do {
    shown = run.Probe().Grab(MainWindowClass,
                             {0, 0, window->Width, window->Height});
    panel = shown ? FoundPanel(*shown) : std::nullopt;
    placed = panel && PlacedByTheCore(*panel, window->Width, window->Height);
  } while (!placed && std::chrono::steady_clock::now() < end);
  ASSERT_TRUE(panel) << "no prompt panel in the middle of the main window";
  ASSERT_TRUE(placed) << "a panel from (" << panel->Left << ", " << panel->Top
                      << ") to (" << panel->Right << ", " << panel->Bottom
                      << ") in a client area " << window->Width << " x "
                      << window->Height;

  // What is shown, with the core's frame drawn over it: only a frame pixel can
  // differ.
  PixelImage framed = *shown;
  for (const PromptFrameStrip &strip : PromptFrameStrips(*panel))
    framed.Fill(strip.Area, PixelOf(strip.Colour));
  EXPECT_EQ(FirstDifference(*shown, framed), "");
}
