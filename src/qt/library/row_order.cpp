// Column orders of the library's lists.
#include "library/row_order.h"

#include "platform/locale_compare.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

int CompareRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, SortKey key) {
    if (key.Order == CellOrder::Number)
        return CompareNumberTexts(a.text(key.Column).toStdString(),
                                  b.text(key.Column).toStdString());
    return LocaleCompare(a.text(key.Column), b.text(key.Column));
}

} // namespace

int ComparePuzzleRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    return CompareRows(a, b, PuzzleSortKey(column));
}

int CompareSolvedRows(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column) {
    return CompareRows(a, b, SolvedSortKey(column));
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
