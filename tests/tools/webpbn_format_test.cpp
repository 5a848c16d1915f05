// The XML puzzle format: clues, titles with entities, and the refusal of what cannot be imported.
#include "webpbn_format.h"

#include <gtest/gtest.h>

namespace {

TEST(WebpbnFormatTest, FirstPuzzleCluesTitleAndAuthorAreRead) {
    const char* const text = R"(<?xml version="1.0"?>
<!DOCTYPE pbn SYSTEM "pbn-0.3.dtd">
<!-- a comment with <clues> in it -->
<puzzleset>
<puzzle type="grid" defaultcolor="black">
<title>Fish &amp; Chips &#233;</title>
<author>Someone</author>
<clues type="columns">
<line><count>1</count></line>
<line><count>2</count></line>
<line/>
</clues>
<clues type='rows'>
<line><count color="black">2</count></line>
<line>
  <count>1</count>
</line>
</clues>
</puzzle>
<puzzle><clues type="rows"><line><count>9</count></line></clues></puzzle>
</puzzleset>
)";
    std::string error;
    const auto puzzle = ParseWebpbnFile(text, error);
    ASSERT_TRUE(puzzle) << error;
    EXPECT_EQ(puzzle->Title, "Fish & Chips \xC3\xA9");
    EXPECT_EQ(puzzle->Author, "Someone");
    EXPECT_EQ(puzzle->Clues, (NonogramClues{3, 2, {{2}, {1}}, {{1}, {2}, {}}}));
}

TEST(WebpbnFormatTest, WhatCannotBeImportedIsRefusedWithItsReason) {
    const std::string columns = R"(<clues type="columns"><line><count>1</count></line></clues>)";
    const struct {
        std::string Text;
        std::string Error;
    } cases[] = {
        {"width 5\n", "this is not an XML file"},
        {std::string("<puzzle>\0</puzzle>", 18), "this is not an XML file"},
        {"<puzzleset></puzzleset>", "no <puzzle> with row and column <clues> found"},
        {"<puzzle><clues type=\"rows\"><line><count", "a tag that does not close"},
        {"<puzzle><title>&bogus;</title>", "unknown entity &\"bogus\""},
        {"<puzzle type=\"triddler\">", "only grid puzzles can be imported, not \"triddler\""},
        {"<puzzle><clues type=\"diagonals\">", "<clues> of an unknown type \"diagonals\""},
        {"<puzzle>" + columns + R"(<clues type="rows"><line><count>-1</count></line></clues>)",
         "\"-1\" is no run length of 1..128"},
        {"<puzzle>" + columns +
             R"(<clues type="rows"><line><count color="red">1</count></line></clues>)",
         "puzzles in more than one colour cannot be imported"},
        {"<puzzle>" + columns + R"(<clues type="rows"><line><count>2</count></line></clues>)",
         "the clues of row 1 do not fit in 1 cells"},
        {"<puzzle " + std::string("width=5>"), "an attribute without quotes in <puzzle>"},
        {"<puzzle>" + columns + "<clues type=\"rows\"><line><count>1\n2</count>",
         "\"1?2\" is no run length of 1..128"},
        {"<puzzle>" + columns + "<clues type=\"rows\"><line><count>" + std::string(1000, '7'),
         "\"777777777777777777777777...\" is no run length of 1..128"},
    };
    for (const auto& test : cases) {
        std::string error;
        EXPECT_FALSE(ParseWebpbnFile(test.Text, error)) << test.Text;
        EXPECT_EQ(error, test.Error) << test.Text;
    }
}

TEST(WebpbnFormatTest, MoreThan128LinesAreRefusedBeforeTheyAreKept) {
    std::string text = "<puzzle><clues type=\"rows\">";
    for (int line = 0; line < 129; ++line)
        text += "<line><count>1</count></line>";
    std::string error;
    EXPECT_FALSE(ParseWebpbnFile(text, error));
    EXPECT_EQ(error, "more than 128 lines of clues");
}

} // namespace
