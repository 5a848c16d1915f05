// The puzzle information dialog's fields: what the spin boxes and the slider show of a record's
// size and level, and the comments' line breaks as a system's text box needs them.
#include "editor/puzzle_info_fields.h"

#include <gtest/gtest.h>

TEST(PuzzleInfoFields, SizesAndLevelsAreShownWithinWhatTheDialogOffers) {
    EXPECT_EQ(ShownSide(10), 16);
    EXPECT_EQ(ShownSide(40), 40);
    EXPECT_EQ(ShownSide(128), 64);
    EXPECT_EQ(ShownLevel(15), 10);
    EXPECT_EQ(ShownLevel(-3), 0);
    EXPECT_EQ(ShownLevel(7), 7);
}

TEST(PuzzleInfoFields, EveryKindOfLineBreakIsShownAsCrLf) {
    EXPECT_EQ(CommentsShown("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(CommentsShown("\r\n\r\n"), "\r\n\r\n");
    EXPECT_EQ(CommentsShown(""), "");
}
