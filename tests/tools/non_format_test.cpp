// The .non clue format: reading, writing back, and refusing what no puzzle can be.
#include "non_format.h"

#include <gtest/gtest.h>

namespace {

const char* const FishClues = R"(catalogue "test"
title "Fish"
by "Someone"
width 4
height 3

rows
1, 2
3

columns
1
3
1
0
)";

TEST(NonFormatTest, KeysSectionsAndEmptyLinesAreRead) {
    std::string error;
    const auto puzzle = ParseNonFile(FishClues, error);
    ASSERT_TRUE(puzzle) << error;
    EXPECT_EQ(puzzle->Title, "Fish");
    EXPECT_EQ(puzzle->Author, "Someone");
    EXPECT_EQ(puzzle->Clues, (NonogramClues{4, 3, {{1, 2}, {3}, {}}, {{1}, {3}, {1}, {}}}));
    EXPECT_FALSE(puzzle->Goal);
}

TEST(NonFormatTest, WrittenTextReadsBackWithItsGoal) {
    Picture picture = Picture::Blank(3, 2);
    picture.Set(0, 0, true);
    picture.Set(2, 0, true);
    picture.Set(1, 1, true);
    const ClueFile written{CluesOf(picture), "Little \xC3\xA9", "Quorvane", picture};
    const std::string text = NonFileText(written);
    EXPECT_NE(text.find("goal \"101010\""), std::string::npos) << text;
    std::string error;
    const auto read = ParseNonFile(text, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->Clues, written.Clues);
    EXPECT_EQ(read->Title, written.Title);
    EXPECT_EQ(read->Goal, picture);
}

TEST(NonFormatTest, ImpossibleInputIsRefusedWithItsReason) {
    const struct {
        std::string Text;
        std::string Error;
    } cases[] = {
        {std::string("\x89PNG\r\n\x1A\n\0\0", 10), "this is not a text file"},
        {"<?xml version=\"1.0\"?>\n", "the file has no rows section; is it a .non clue file?"},
        {"width 2\nheight 1\nrows\n1\n",
         "the file has no columns section; is it a .non clue file?"},
        {"width -3\n", "line 1: the width must be a number of 1..128"},
        {"width 1000000000\n", "line 1: the width must be a number of 1..128"},
        {"height 0\n", "line 1: the height must be a number of 1..128"},
        {"rows\n1\n", "line 1: the height must come before the rows"},
        {"width 2\nheight 2\nrows\n1\n", "line 3: fewer than 2 lines follow"},
        {"width 2\nheight 1\nrows\n-1\ncolumns\n1\n0\n",
         "line 4: \"-1\" is no run length of 1..128"},
        {"width 2\nheight 1\nrows\n1,0\ncolumns\n1\n0\n",
         "line 4: \"0\" is no run length of 1..128"},
        {"width 2\nheight 1\nrows\n1\nrows\n1\n", "line 5: the rows are given twice"},
        {"width 3\nheight 1\nrows\n2,2\ncolumns\n1\n1\n1\n",
         "the clues of row 1 do not fit in 3 cells"},
        {"width 1\nheight 2\nrows\n1\n1\ncolumns\n3\n",
         "the clues of column 1 do not fit in 2 cells"},
        {"width 2\nheight 1\nrows\n1\ncolumns\n1\n0\ngoal \"1\"\n",
         "the goal must be 2 digits 0 or 1"},
    };
    for (const auto& test : cases) {
        std::string error;
        EXPECT_FALSE(ParseNonFile(test.Text, error)) << test.Text;
        EXPECT_EQ(error, test.Error) << test.Text;
    }
}

// Two diagonals fit these clues. A goal that fits, its empty lines given as 0, comes back as the
// first solution; a goal that does not fit is left out, so the verdict is always the clues' own.
TEST(NonFormatTest, AGoalThatFitsIsTheSolversFirstSolution) {
    const std::string clues = "width 3\nheight 3\nrows\n1\n1\n0\ncolumns\n1\n1\n0\ngoal ";
    const std::pair<const char*, bool> goals[] = {
        {"\"100010000\"", true}, {"\"010100000\"", true}, {"\"110000000\"", false}};
    for (const auto& [goal, fits] : goals) {
        std::string error;
        const auto puzzle = ParseNonFile(clues + goal + "\n", error);
        ASSERT_TRUE(puzzle) << error;
        const SolveReport report = SolveClueFile(*puzzle);
        ASSERT_EQ(report.Outcome, Verdict::Several) << goal;
        EXPECT_EQ(report.First == puzzle->Goal, fits) << goal;
        EXPECT_EQ(CluesOf(*report.First).Rows[0], std::vector<int>{1}) << goal;
    }
}

} // namespace
