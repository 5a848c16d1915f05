// The windows' one scale for a display's density: lengths, fonts and the board's whole zoom.
#include "board/display_scale.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(DisplayScale, AtTheDesignedDensityEveryLengthStaysAsItIs) {
    const DisplayScale designed;
    EXPECT_EQ(designed.Dpi(), 96);
    for (int length = -700; length <= 700; ++length)
        ASSERT_EQ(designed.Length(length), length);
    EXPECT_EQ(designed.FontPixels(8), 11);
    EXPECT_EQ(designed.FontPixels(12), 16);
    EXPECT_EQ(designed.BoardZoom(), 1);
    // A system that cannot tell its density gives 0.
    EXPECT_EQ(DisplayScale(0).Dpi(), 96);
    EXPECT_EQ(DisplayScale(-5).Length(627), 627);
}

TEST(DisplayScale, LengthsGrowByTheDensityRoundedToTheNearestPixel) {
    // Checked against the real quotient, halves away from zero as the system's MulDiv rounds.
    for (const int dpi : {72, 120, 144, 168, 192, 240, 288}) {
        const DisplayScale scale(dpi);
        for (int length = -1000; length <= 1000; ++length) {
            const double exact = length * dpi / 96.0;
            const int expected = static_cast<int>(std::copysign(std::floor(std::abs(exact) + 0.5), exact));
            ASSERT_EQ(scale.Length(length), expected) << dpi << " dpi, " << length;
        }
    }
    // The main window's client area and the status bar's height at 150 %.
    EXPECT_EQ(DisplayScale(144).Length(627), 941);
    EXPECT_EQ(DisplayScale(144).Length(19), 29);
    EXPECT_EQ(DisplayScale(144).FontPixels(8), 16);
    EXPECT_EQ(DisplayScale(192).FontPixels(8), 21);
}

TEST(DisplayScale, TheBoardZoomIsTheNearestWholeMultipleAndAtLeastOne) {
    struct Case {
        int Dpi;
        int Zoom;
    };
    const Case cases[] = {{48, 1},  {72, 1},  {96, 1},  {120, 1}, {143, 1}, {144, 2},
                          {168, 2}, {192, 2}, {239, 2}, {240, 3}, {288, 3}, {384, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(DisplayScale(c.Dpi).BoardZoom(), c.Zoom) << c.Dpi << " dpi";
}
