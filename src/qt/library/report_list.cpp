// Building the library's report-style lists.
#include "library/report_list.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>

namespace {

// Rows of uniform height are measured on the first row's cells that are in view, so a list
// scrolled past its first column, which holds the icon, would make its rows only as tall as a
// line of text. Each cell therefore asks for at least the height of its row's first cell.
class WholeRowHeight final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.column() != 0)
            size.setHeight(
                std::max(size.height(),
                         QStyledItemDelegate::sizeHint(option, index.siblingAtColumn(0)).height()));
        return size;
    }
};

} // namespace

QTreeWidget* MakeReportList(QWidget* parent, const QString& objectName, const QRect& geometry,
                            std::span<const ReportColumn> columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setGeometry(geometry);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemDelegate(new WholeRowHeight(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setIconSize(QSize(16, 16));
    list->setColumnCount(static_cast<int>(columns.size()));
    auto* headers = new QTreeWidgetItem;
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const ReportColumn& layout = columns[static_cast<std::size_t>(column)];
        headers->setText(column, QString::fromLatin1(layout.Header));
        headers->setTextAlignment(column, layout.Alignment | Qt::AlignVCenter);
        list->setColumnWidth(column, layout.Width);
    }
    list->setHeaderItem(headers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsClickable(true);
    return list;
}

// A cell without an alignment of its own is drawn at the left and centred vertically, so only the
// other columns' cells carry one: every value a row holds costs time when thousands of rows are
// made and thrown away at each filling.
void AlignReportRow(QTreeWidgetItem& row, std::span<const ReportColumn> columns) {
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const Qt::Alignment alignment = columns[static_cast<std::size_t>(column)].Alignment;
        if (alignment != Qt::AlignLeft)
            row.setTextAlignment(column, alignment | Qt::AlignVCenter);
    }
}
