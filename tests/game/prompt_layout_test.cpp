// The prompt panel's frame: two rings inside the panel's edge, light above and on the left,
// shadow below and on the right, each pixel drawn once.
#include "game/prompt_layout.h"
#include "render/pixel_image.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr Pixel Untouched = 0xFF123456;

// The colour a frame pixel has, from its place alone: its ring is its distance from the nearest
// edge, and on its ring's bottom row or right column it is shadow.
Pixel ExpectedPixel(const PixelRect& panel, int x, int y) {
    const int ring =
        std::min({x - panel.Left, y - panel.Top, panel.Right - 1 - x, panel.Bottom - 1 - y});
    if (ring >= PromptFrameWidth)
        return Untouched;
    const bool shadow = x == panel.Right - 1 - ring || y == panel.Bottom - 1 - ring;
    return PixelOf(shadow ? PromptFrameShadow : PromptFrameLight);
}

} // namespace

TEST(PromptFrame, StripsColourEachFramePixelOnceByItsEdge) {
    // The panel of a prompt, and small ones down to a single pixel, where rings run together.
    const PixelRect prompt = PromptLayoutFor(506, 449, 190, 19).Panel;
    for (const PixelRect panel :
         {prompt, PixelRect{3, 2, 13, 9}, PixelRect{1, 1, 4, 4}, PixelRect{2, 2, 5, 3},
          PixelRect{2, 2, 3, 7}, PixelRect{0, 0, 1, 1}}) {
        PixelImage drawn;
        drawn.Resize(panel.Right + 2, panel.Bottom + 2);
        drawn.Fill({0, 0, drawn.Width, drawn.Height}, Untouched);
        PixelImage times = drawn;
        times.Fill({0, 0, drawn.Width, drawn.Height}, 0);
        for (const PromptFrameStrip& strip : PromptFrameStrips(panel)) {
            drawn.Fill(strip.Area, PixelOf(strip.Colour));
            for (int y = strip.Area.Top; y < strip.Area.Bottom; ++y)
                for (int x = strip.Area.Left; x < strip.Area.Right; ++x)
                    ++times.Row(y)[x];
        }
        for (int y = 0; y < drawn.Height; ++y)
            for (int x = 0; x < drawn.Width; ++x) {
                const bool inside =
                    x >= panel.Left && x < panel.Right && y >= panel.Top && y < panel.Bottom;
                const Pixel expected = inside ? ExpectedPixel(panel, x, y) : Untouched;
                ASSERT_EQ(drawn.At(x, y), expected) << "at (" << x << ", " << y << ") of a panel "
                                                    << panel.Width() << " x " << panel.Height();
                ASSERT_LE(times.At(x, y), 1u) << "at (" << x << ", " << y << ")";
            }
    }
}
