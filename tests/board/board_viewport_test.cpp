// The one rule for scroll bars, scrolling and hits over a board, as both programs' views use it.
#include "board/board_viewport.h"

#include <gtest/gtest.h>

namespace {

// The main window's room around the board, and bars as wide as the system's usual ones.
constexpr ViewMargins MainWindowMargins{10, 10, 10, 10};
constexpr ViewSize Bars{17, 17};

BoardViewport ViewportOver(ViewSize board, ViewMargins margins = MainWindowMargins) {
    BoardViewport viewport(margins, Bars);
    viewport.SetBoardSize(board);
    return viewport;
}

} // namespace

TEST(BoardViewport, BarsStandOnlyWhereTheBoardDoesNotFit) {
    struct Case {
        const char* Name;
        ViewSize Board;
        ViewSize Available;
        ScrollBars Expected;
    };
    const Case cases[] = {
        // The content is the board and 10 pixels on every side.
        {"fits with room", {200, 150}, {400, 400}, {false, false}},
        {"fits exactly", {200, 150}, {220, 170}, {false, false}},
        {"only the blank room after it is cut", {200, 150}, {210, 160}, {false, false}},
        {"one pixel too wide", {200, 150}, {209, 400}, {true, false}},
        {"one pixel too tall", {200, 150}, {400, 159}, {false, true}},
        {"a bar across leaves too little height", {300, 150}, {200, 170}, {true, true}},
        {"a bar down leaves too little width", {190, 300}, {205, 200}, {true, true}},
        {"a bar down that leaves room enough", {150, 300}, {400, 200}, {false, true}},
        // Large 831 x 646 and Small boards on a 1280 x 1024 screen's work area.
        {"the largest shipped board, Large", {831, 646}, {1274, 954}, {false, false}},
        {"a Small 22 x 32 puzzle", {391, 547}, {1274, 954}, {false, false}},
        {"128 x 128 Large", {2467, 2467}, {1274, 954}, {true, true}},
    };
    for (const Case& c : cases) {
        BoardViewport viewport = ViewportOver(c.Board);
        EXPECT_EQ(viewport.BarsFor(c.Available), c.Expected) << c.Name;
        viewport.Place(viewport.SizeFor(c.Available));
        EXPECT_EQ(viewport.Bars(), c.Expected) << c.Name << ", once placed at its size";
    }
}

TEST(BoardViewport, TheViewTakesTheWholeContentWhereItFits) {
    BoardViewport viewport = ViewportOver({200, 150});
    EXPECT_EQ(viewport.SizeFor({1000, 1000}), (ViewSize{220, 170}));
    // Cut to what is available, with the bars it then needs; never larger.
    EXPECT_EQ(viewport.SizeFor({210, 160}), (ViewSize{210, 160}));
    EXPECT_EQ(viewport.SizeFor({100, 1000}), (ViewSize{100, 187}));
    viewport.SetLeastContentWidth(400);
    EXPECT_EQ(viewport.SizeFor({1000, 1000}), (ViewSize{400, 170}));
    // The least width is blank room: a view narrower than it needs no bar.
    EXPECT_EQ(viewport.BarsFor({300, 1000}), (ScrollBars{false, false}));
}

TEST(BoardViewport, ScrollingReachesTheFarEdgeOfTheContentAndNoFurther) {
    // The editor's grid: a 64 x 64 Small grid in a 509-pixel wide view.
    BoardViewport viewport = ViewportOver({961, 897}, {10, 10, 10, 10});
    viewport.Place({509, 330});
    ASSERT_EQ(viewport.Bars(), (ScrollBars{true, true}));
    EXPECT_EQ(viewport.Shown(), (ViewSize{492, 313}));
    EXPECT_TRUE(viewport.ScrollTo({100000, 100000}));
    EXPECT_EQ(viewport.Offset(), viewport.MaxOffset());
    // Scrolled to the end, the closing rule and the blank room after it show.
    const PixelRect board = viewport.ViewRectOf({0, 0, 961, 897});
    EXPECT_EQ(board.Right + 10, 492);
    EXPECT_EQ(board.Bottom + 10, 313);
    EXPECT_FALSE(viewport.ScrollTo({100000, 100000})) << "moved past the end";
    EXPECT_TRUE(viewport.ScrollTo({-5, -5}));
    EXPECT_EQ(viewport.Offset(), (ViewPoint{0, 0}));

    // A view grown to hold everything scrolls back home.
    EXPECT_TRUE(viewport.ScrollTo({50, 60}));
    viewport.Place({1000, 1000});
    EXPECT_EQ(viewport.Bars(), (ScrollBars{false, false}));
    EXPECT_EQ(viewport.Offset(), (ViewPoint{0, 0}));
}

TEST(BoardViewport, APressHitsThePixelDrawnUnderIt) {
    // A 16 x 40 Small grid whose view has a bar down only.
    BoardViewport viewport = ViewportOver({241, 561}, {10, 10, 10, 10});
    viewport.Place({509, 330});
    ASSERT_EQ(viewport.Bars(), (ScrollBars{false, true}));
    viewport.ScrollTo({0, 100000});
    const ViewPoint offset = viewport.Offset();
    EXPECT_EQ(offset.Y, 10 + 561 + 10 - 330);
    for (const ViewPoint board : {ViewPoint{0, 0}, ViewPoint{77, 300}, ViewPoint{240, 560}}) {
        const PixelRect shown = viewport.ViewRectOf({board.X, board.Y, board.X + 1, board.Y + 1});
        const auto hit = viewport.BoardPointAt({shown.Left, shown.Top});
        if (shown.Top < 0) {
            EXPECT_FALSE(hit) << "a pixel scrolled out of sight was hit";
            continue;
        }
        ASSERT_TRUE(hit);
        EXPECT_EQ(*hit, board);
    }
    // Beside the board, under the bar and past the view, nothing is hit.
    EXPECT_FALSE(viewport.BoardPointAt({5, 100}));
    EXPECT_FALSE(viewport.BoardPointAt({10 + 241, 100}));
    EXPECT_FALSE(viewport.BoardPointAt({495, 100}));
    EXPECT_FALSE(viewport.BoardPointAt({100, 330}));
}

TEST(BoardViewport, RevealScrollsAsLittleAsBringsTheRectangleIntoSight) {
    BoardViewport viewport = ViewportOver({961, 897}, {10, 10, 10, 10});
    viewport.Place({509, 330});
    const ViewSize shown = viewport.Shown();
    // Rows 61 to 63 of a 64 x 64 Small grid, outlined by a check.
    const PixelRect outlined{0, 61 * 14, 15, 64 * 14};
    EXPECT_TRUE(viewport.Reveal(outlined));
    const PixelRect onScreen = viewport.ViewRectOf(outlined);
    EXPECT_GE(onScreen.Top, 0);
    EXPECT_EQ(onScreen.Bottom, shown.Height) << "scrolled further than needed";
    EXPECT_FALSE(viewport.Reveal(outlined)) << "moved though already in sight";
    // A rectangle larger than the view shows from its top-left corner.
    EXPECT_TRUE(viewport.Reveal({0, 0, 961, 897}));
    EXPECT_EQ(viewport.ViewRectOf({0, 0, 1, 1}).Top, 0);
}

TEST(BoardViewport, ANewBoardKeepsTheOffsetWithinItsRange) {
    BoardViewport viewport = ViewportOver({961, 897});
    viewport.Place({509, 330});
    viewport.ScrollTo({400, 500});
    viewport.SetBoardSize({300, 400});
    EXPECT_EQ(viewport.Offset(), viewport.MaxOffset());
    viewport.SetBoardSize({0, 0});
    EXPECT_EQ(viewport.Bars(), (ScrollBars{false, false}));
    EXPECT_EQ(viewport.Offset(), (ViewPoint{0, 0}));
}

TEST(BoardViewport, AZoomedBoardIsHitInTheBoardPixelWhoseSquareHoldsThePoint) {
    // A 30 x 20 board at 3 view pixels a board pixel, scrolled part way in both directions.
    BoardViewport viewport = ViewportOver({30, 20});
    viewport.SetZoom(3);
    EXPECT_EQ(viewport.ContentSize(), (ViewSize{10 + 90 + 10, 10 + 60 + 10}));
    EXPECT_EQ(viewport.SizeFor({400, 400}), (ViewSize{110, 80}));
    viewport.Place({80, 60});
    ASSERT_EQ(viewport.Bars(), (ScrollBars{true, true}));
    viewport.ScrollTo({7, 5});
    const ViewPoint origin = viewport.BoardOrigin();
    const ViewSize shown = viewport.Shown();
    // Every point of the shown area: the board pixel, found by counting squares independently.
    for (int y = 0; y < shown.Height; ++y)
        for (int x = 0; x < shown.Width; ++x) {
            const int dx = x - origin.X;
            const int dy = y - origin.Y;
            const bool onBoard = dx >= 0 && dy >= 0 && dx < 90 && dy < 60;
            const auto hit = viewport.BoardPointAt({x, y});
            ASSERT_EQ(hit.has_value(), onBoard) << x << ", " << y;
            if (onBoard) {
                ASSERT_EQ(*hit, (ViewPoint{dx / 3, dy / 3})) << x << ", " << y;
            }
        }
    // A box redrawn covers its pixels' squares whole, and the view's point there hits it.
    const PixelRect box = viewport.ViewRectOf({4, 2, 6, 5});
    EXPECT_EQ(box, (PixelRect{origin.X + 12, origin.Y + 6, origin.X + 18, origin.Y + 15}));
    EXPECT_EQ(viewport.BoardPointAt({box.Right - 1, box.Bottom - 1}), (ViewPoint{5, 4}));
    // Revealing a board rectangle scrolls in zoomed pixels.
    viewport.ScrollTo({0, 0});
    EXPECT_TRUE(viewport.Reveal({29, 19, 30, 20}));
    // The board's last square meets the shown area's far edges: the margin after it stays out.
    EXPECT_EQ(viewport.Offset(), (ViewPoint{10 + 90 - shown.Width, 10 + 60 - shown.Height}));
    // A zoom below 1 is taken as 1.
    viewport.SetZoom(0);
    EXPECT_EQ(viewport.Zoom(), 1);
}
