// How the library's lists order their rows when a column header is clicked.
#pragma once

#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

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

// Negative, zero or positive as row a sorts before, with or after row b. Levels compare as
// numbers; every other column compares its text in the user's language, case included, so
// "Date" orders by month or day name rather than by time. "Time" orders by name.
int ComparePuzzleRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column);
int CompareSolvedRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column);

using RowCompare = int (*)(const QTreeWidgetItem&, const QTreeWidgetItem&, int);

// Puts the rows in ascending order of the column; rows that compare equal keep their order.
void SortItems(QList<QTreeWidgetItem*>& rows, RowCompare compare, int column);

// Puts the list's rows in ascending order of the column, keeping the selected row selected.
// Ascending each time: clicking a header twice does not reverse the order.
void SortRows(QTreeWidget& list, RowCompare compare, int column);
