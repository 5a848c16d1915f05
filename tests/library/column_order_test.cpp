// The columns and orders a header click sorts the library's lists by.
#include "library/column_order.h"

#include <gtest/gtest.h>

TEST(ColumnOrder, LevelsSortAsNumbersAndTimeByName) {
    struct Case {
        SortKey (*key)(int);
        int clicked;
        int column;
        CellOrder order;
    };
    const Case cases[] = {
        {PuzzleSortKey, PuzzleColumn::Name, PuzzleColumn::Name, CellOrder::Text},
        {PuzzleSortKey, PuzzleColumn::Level, PuzzleColumn::Level, CellOrder::Number},
        {PuzzleSortKey, PuzzleColumn::Date, PuzzleColumn::Date, CellOrder::Text},
        {PuzzleSortKey, PuzzleColumn::Location, PuzzleColumn::Location, CellOrder::Text},
        {SolvedSortKey, SolvedColumn::Time, SolvedColumn::Name, CellOrder::Text},
        {SolvedSortKey, SolvedColumn::Level, SolvedColumn::Level, CellOrder::Number},
        {SolvedSortKey, SolvedColumn::Date, SolvedColumn::Date, CellOrder::Text},
    };
    for (const Case& c : cases) {
        const SortKey key = c.key(c.clicked);
        EXPECT_EQ(key.Column, c.column) << c.clicked;
        EXPECT_EQ(key.Order, c.order) << c.clicked;
    }
}

TEST(ColumnOrder, NumberTextsCompareByValueAndUnreadableOnesAsZero) {
    EXPECT_LT(CompareNumberTexts("2", "10"), 0);
    EXPECT_GT(CompareNumberTexts("10", "2"), 0);
    EXPECT_EQ(CompareNumberTexts("007", "7"), 0);
    EXPECT_LT(CompareNumberTexts("-2147483648", "2147483647"), 0);
    EXPECT_EQ(CompareNumberTexts("", "0"), 0);
    EXPECT_EQ(CompareNumberTexts("3x", "0"), 0);
}
