// Which cells decide the order of the library's lists when a column header is clicked, and how.
#pragma once

#include <string_view>

// Columns of the new-game browser's list.
namespace PuzzleColumn {
constexpr int Name = 0;
constexpr int Level = 1;
constexpr int CreatedBy = 2;
constexpr int Date = 3;
constexpr int Location = 4;
} // namespace PuzzleColumn

// Columns of the solved-puzzles list.
namespace SolvedColumn {
constexpr int Name = 0;
constexpr int Time = 1;
constexpr int Level = 2;
constexpr int Date = 3;
} // namespace SolvedColumn

enum class CellOrder {
    Number, // the texts read as integers
    Text,   // the texts as the user's language sorts them, case included
};

// The column whose cells are compared when a column is clicked, and how. Every click sorts
// ascending: clicking a header twice does not reverse the order.
struct SortKey {
    int Column;
    CellOrder Order;
};

// Levels compare as numbers and every other column as text, so "Date" orders by month name
// rather than by time.
SortKey PuzzleSortKey(int clickedColumn);
// As the browser, except that "Time" orders by name.
SortKey SolvedSortKey(int clickedColumn);

// Negative, zero or positive as a's number is below, equal to or above b's. A text that is not
// a whole decimal integer counts as 0, and no difference can overflow.
int CompareNumberTexts(std::string_view a, std::string_view b);
