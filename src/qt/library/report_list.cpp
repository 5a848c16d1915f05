// Building the library's report-style lists.
#include "library/report_list.h"

#include <QHeaderView>
#include <QTreeWidget>

QTreeWidget* MakeReportList(QWidget* parent, const QString& objectName, const QRect& geometry,
                            std::span<const ReportColumn> columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setGeometry(geometry);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
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

void AlignReportRow(QTreeWidgetItem& row, std::span<const ReportColumn> columns) {
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        row.setTextAlignment(column, columns[static_cast<std::size_t>(column)].Alignment |
                                         Qt::AlignVCenter);
}
