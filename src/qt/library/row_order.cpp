// Column orders of the library's lists.
#include "library/row_order.h"

#include "platform/locale_compare.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

int CompareTexts(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    return LocaleCompare(a.text(column), b.text(column));
}

// Level texts are read as integers, an unreadable one as 0, and compared without the overflow
// a plain difference could give.
int CompareNumbers(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    const qlonglong first = a.text(column).toLongLong();
    const qlonglong second = b.text(column).toLongLong();
    return (first > second) - (first < second);
}

} // namespace

int ComparePuzzleRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    if (column == PuzzleColumn::Level)
        return CompareNumbers(a, b, column);
    return CompareTexts(a, b, column);
}

int CompareSolvedRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    switch (column) {
    case SolvedColumn::Level:
        return CompareNumbers(a, b, column);
    case SolvedColumn::Date:
        return CompareTexts(a, b, column);
    default:
        return CompareTexts(a, b, SolvedColumn::Name);
    }
}

void SortItems(QList<QTreeWidgetItem*>& rows, RowCompare compare, int column) {
    std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return compare(*a, *b, column) < 0;
    });
}

void SortRows(QTreeWidget& list, RowCompare compare, int column) {
    QTreeWidgetItem* selected = list.currentItem();
    const bool wasSelected = selected != nullptr && selected->isSelected();
    QList<QTreeWidgetItem*> rows = list.invisibleRootItem()->takeChildren();
    SortItems(rows, compare, column);
    list.addTopLevelItems(rows);
    if (wasSelected)
        list.setCurrentItem(selected);
}
