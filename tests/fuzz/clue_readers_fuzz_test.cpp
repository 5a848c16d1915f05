// Inputs the fuzz targets of the clue readers found (fuzz/), kept so the faults stay fixed.
#include "non_format.h"

#include <gtest/gtest.h>

// A size given again after its lines left a table of the old length under the new size, which
// the solver then read past.
TEST(ClueReadersFuzz, NonSizeAfterItsLinesIsRefused) {
    const std::string lines = "width 2\nheight 1\nrows\n1\ncolumns\n1\n0\n";
    for (const std::string size : {"height 2", "width 3"}) {
        std::string error;
        EXPECT_FALSE(ParseNonFile(lines + size + "\n", error)) << size;
        EXPECT_NE(error.find("line 8: the " + size.substr(0, size.find(' ')) + " must come before"),
                  std::string::npos)
            << error;
    }
    // The same size said again before the lines is still read.
    std::string error;
    const auto puzzle = ParseNonFile("width 2\nwidth 2\nheight 1\nrows\n1\ncolumns\n1\n0\n", error);
    ASSERT_TRUE(puzzle) << error;
    EXPECT_EQ(puzzle->Clues.Width, 2);
}
