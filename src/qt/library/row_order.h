// How the library's lists order their rows when a column header is clicked.
#pragma once

#include "library/column_order.h"

#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

// Negative, zero or positive as row a sorts before, with or after row b when the column is
// clicked (PuzzleSortKey, SolvedSortKey).
int ComparePuzzleRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column);
int CompareSolvedRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column);

using RowCompare = int (*)(const QTreeWidgetItem&, const QTreeWidgetItem&, int);

// Puts the rows in ascending order of the column; rows that compare equal keep their order.
void SortItems(QList<QTreeWidgetItem*>& rows, RowCompare compare, int column);

// Puts the list's rows in ascending order of the column, keeping the selected row selected.
// Ascending each time: clicking a header twice does not reverse the order.
void SortRows(QTreeWidget& list, RowCompare compare, int column);
