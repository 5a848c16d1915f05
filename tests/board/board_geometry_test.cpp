// The board's dimensions, rules, interiors and the mapping of a press to a target.
#include "board/board_geometry.h"

#include <gtest/gtest.h>

namespace {

// The 5 x 5 puzzle with three clue slots on each side.
BoardGeometry FiveByFive(BoardSize size) {
    return BoardGeometry(5, 5, 3, 3, PitchOf(size));
}

} // namespace

TEST(BoardGeometry, SizesFollowThePitch) {
    const BoardGeometry small = FiveByFive(BoardSize::Small);
    EXPECT_EQ(small.Width(), 121);
    EXPECT_EQ(small.Height(), 113);

    const BoardGeometry large = FiveByFive(BoardSize::Large);
    EXPECT_EQ(large.Width(), 145);
    EXPECT_EQ(large.Height(), 145);
}

TEST(BoardGeometry, RegionsAndBoxes) {
    const BoardGeometry board = FiveByFive(BoardSize::Small);
    EXPECT_EQ(board.CornerBlock(), (PixelRect{0, 0, 45, 42}));
    EXPECT_EQ(board.LeftClueArea(), (PixelRect{0, 42, 45, 113}));
    EXPECT_EQ(board.TopClueArea(), (PixelRect{45, 0, 121, 42}));
    EXPECT_EQ(board.BoxOf({BoardArea::GridCell, 0, 0}), (PixelRect{45, 42, 60, 56}));
    EXPECT_EQ(board.BoxOf({BoardArea::RowClueSlot, 2, 1}), (PixelRect{30, 56, 45, 70}));
    EXPECT_EQ(board.BoxOf({BoardArea::ColumnClueSlot, 4, 0}), (PixelRect{105, 0, 120, 14}));
}

TEST(BoardGeometry, EveryFifthGridLineIsThickAndRunsThroughTheClues) {
    const BoardGeometry ten(10, 7, 2, 1, PitchOf(BoardSize::Small));
    const std::vector<Rule> vertical = ten.VerticalRules();
    ASSERT_EQ(vertical.size(), 13u);
    EXPECT_EQ(vertical[0], (Rule{RuleKind::Thick, 0, 14})); // the clue area's outer edge
    EXPECT_EQ(vertical[1], (Rule{RuleKind::Thin, 15, 14})); // inside the left clue area
    EXPECT_EQ(vertical[2], (Rule{RuleKind::Thick, 30, 0})); // grid offset 0
    EXPECT_EQ(vertical[3], (Rule{RuleKind::Thin, 45, 0}));
    EXPECT_EQ(vertical[7], (Rule{RuleKind::Thick, 105, 0}));  // grid offset 5
    EXPECT_EQ(vertical[12], (Rule{RuleKind::Thick, 180, 0})); // grid offset 10 closes C = 10

    const std::vector<Rule> horizontal = ten.HorizontalRules();
    ASSERT_EQ(horizontal.size(), 9u);
    EXPECT_EQ(horizontal[0], (Rule{RuleKind::Thick, 0, 30}));
    EXPECT_EQ(horizontal[1], (Rule{RuleKind::Thick, 14, 0}));
    EXPECT_EQ(horizontal[6], (Rule{RuleKind::Thick, 84, 0}));
    // R = 7: the closing rule at grid offset 7 is thin.
    EXPECT_EQ(horizontal[8], (Rule{RuleKind::Thin, 112, 0}));
}

TEST(BoardGeometry, WithoutCluesTheOuterEdgesAreThickOverTheWholeBoard) {
    const BoardGeometry bare(3, 3, 0, 0, PitchOf(BoardSize::Large));
    EXPECT_EQ(bare.VerticalRules()[0], (Rule{RuleKind::Thick, 0, 0}));
    EXPECT_EQ(bare.HorizontalRules()[0], (Rule{RuleKind::Thick, 0, 0}));
    EXPECT_EQ(bare.VerticalRules()[3], (Rule{RuleKind::Thin, 54, 0}));
}

TEST(BoardGeometry, InteriorsLoseAPixelBeforeAThickRule) {
    const BoardGeometry board(10, 10, 3, 2, PitchOf(BoardSize::Small));
    struct Case {
        BoardTarget target;
        int width;
        int height;
    };
    const Case cases[] = {
        {{BoardArea::GridCell, 0, 0}, 14, 13},       {{BoardArea::GridCell, 4, 0}, 13, 13},
        {{BoardArea::GridCell, 9, 4}, 13, 12},       {{BoardArea::GridCell, 3, 9}, 14, 12},
        {{BoardArea::RowClueSlot, 1, 0}, 14, 13},    {{BoardArea::RowClueSlot, 2, 0}, 13, 13},
        {{BoardArea::RowClueSlot, 0, 4}, 14, 12},    {{BoardArea::ColumnClueSlot, 0, 0}, 14, 13},
        {{BoardArea::ColumnClueSlot, 0, 1}, 14, 12}, {{BoardArea::ColumnClueSlot, 4, 1}, 13, 12},
    };
    for (const Case& c : cases) {
        const PixelRect interior = board.InteriorOf(c.target);
        const PixelRect box = board.BoxOf(c.target);
        EXPECT_EQ(interior.Left, box.Left + 1);
        EXPECT_EQ(interior.Top, box.Top + 1);
        EXPECT_EQ(interior.Width(), c.width)
            << int(c.target.Area) << " " << c.target.Col << "," << c.target.Row;
        EXPECT_EQ(interior.Height(), c.height)
            << int(c.target.Area) << " " << c.target.Col << "," << c.target.Row;
    }
}

TEST(BoardGeometry, ExcludedBlockAndTextPlacement) {
    const BoardGeometry small = FiveByFive(BoardSize::Small);
    const PixelRect box = small.BoxOf({BoardArea::GridCell, 1, 1});
    const PixelRect block = small.ExcludedBlock(1, 1);
    EXPECT_EQ(block.Left - box.Left, 6);
    EXPECT_EQ(block.Top - box.Top, 5);
    EXPECT_EQ(block.Width(), 4);
    EXPECT_EQ(block.Height(), 5);

    const BoardGeometry large = FiveByFive(BoardSize::Large);
    EXPECT_EQ(large.ExcludedBlock(0, 0).Width(), 5);
    EXPECT_EQ(large.ExcludedBlock(0, 0).Height(), 5);

    // (15 - 4) / 2 = 5, (14 - 9) / 2 = 2; a text wider than the box is truncated toward zero.
    EXPECT_EQ(small.TextOrigin(box, 4, 9), std::make_pair(box.Left + 6, box.Top + 2));
    EXPECT_EQ(small.TextOrigin(box, 18, 17), std::make_pair(box.Left + 1 - 1, box.Top - 1));
}

TEST(BoardGeometry, HitTestMapsPressesToTargets) {
    const BoardGeometry board = FiveByFive(BoardSize::Small);
    struct Case {
        int x;
        int y;
        std::optional<BoardTarget> target;
    };
    const Case cases[] = {
        {3 * 15, 3 * 14, BoardTarget{BoardArea::GridCell, 0, 0}},
        {120, 112, std::nullopt}, // the bitmap's last pixel
        {119, 111, BoardTarget{BoardArea::GridCell, 4, 4}},
        {121, 50, std::nullopt}, // past the board
        {-1, 20, std::nullopt},  // left of it
        {50, -1, std::nullopt},  // above it
        {0, 0, std::nullopt},    // the corner block
        {44, 41, std::nullopt},
        {0, 42, BoardTarget{BoardArea::RowClueSlot, 0, 0}},
        {44, 112 - 1, BoardTarget{BoardArea::RowClueSlot, 2, 4}},
        {45, 0, BoardTarget{BoardArea::ColumnClueSlot, 0, 0}},
        {100, 30, BoardTarget{BoardArea::ColumnClueSlot, 3, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(board.HitTest(c.x, c.y), c.target) << c.x << "," << c.y;
}
