// The report-style lists of the library's dialogs: fixed columns, one row per entry, no editing.
#pragma once

#include <QRect>
#include <QString>
#include <Qt>
#include <span>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

struct ReportColumn {
    const char* Header;
    int Width;
    Qt::Alignment Alignment;
};

// A read-only list of flat rows with 16 x 16 icons and clickable headers; the owner connects to
// its header view's sectionClicked and sorts the rows itself. Every row is as tall as its icon,
// however far the list is scrolled sideways.
QTreeWidget* MakeReportList(QWidget* parent, const QString& objectName, const QRect& geometry,
                            std::span<const ReportColumn> columns);

// Aligns each cell of the row as its column is aligned.
void AlignReportRow(QTreeWidgetItem& row, std::span<const ReportColumn> columns);
