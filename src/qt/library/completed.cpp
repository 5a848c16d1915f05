// The solved-puzzles list: every solved record with its best time, level and date.
#include "library/completed.h"

#include "ui/dialog_look.h"
#include "library/puzzle_glyph.h"
#include "library/report_list.h"
#include "library/row_order.h"
#include "library/solved_list.h"
#include "platform/date_text.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace {

constexpr std::array<ReportColumn, 4> Columns{{
    {"Name", 200, Qt::AlignLeft},
    {"Time", 70, Qt::AlignHCenter},
    {"Level", 70, Qt::AlignHCenter},
    {"Date", 170, Qt::AlignLeft},
}};

QTreeWidgetItem* RowItem(const SolvedListRow& row, const QIcon& icon) {
    auto* item = new QTreeWidgetItem;
    item->setText(SolvedColumn::Name, QString::fromStdString(row.Name));
    item->setIcon(SolvedColumn::Name, icon);
    if (row.Time)
        item->setText(SolvedColumn::Time, QString::fromStdString(SolvedTimeText(*row.Time)));
    if (row.Level)
        item->setText(SolvedColumn::Level, QString::number(*row.Level));
    if (row.DateCompleted)
        item->setText(SolvedColumn::Date,
                      FormatOleDate(*row.DateCompleted, u"ddd dd mmmm yyyy hh:nn", QLocale()));
    AlignReportRow(*item, Columns);
    return item;
}

} // namespace

Tfcompleted::Tfcompleted(RegistryStore& registry, QWidget* parent)
    : QDialog(parent), Registry(registry) {
    SetUpFixedDialog(*this, QStringLiteral("Solved Puzzles"), QSize(549, 382));

    auto* label = new QLabel(QStringLiteral("List of solved Puzzles"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(12, 8);

    ListView1 = MakeReportList(this, QStringLiteral("ListView1"), QRect(10, 28, 531, 317), Columns);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            &Tfcompleted::ListView1ColumnClick);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(450, 352, 75, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfcompleted::ShowList() {
    FillSolvedList();
    exec();
}

// The rows keep the registry's order until a header is clicked; each showing starts afresh.
void Tfcompleted::FillSolvedList() {
    ListView1->clear();
    const QIcon icon = PuzzleGlyph(PuzzleGlyphShade::Grey);
    QList<QTreeWidgetItem*> items;
    for (const SolvedListRow& row : ReadSolvedList(Registry))
        items.append(RowItem(row, icon));
    ListView1->addTopLevelItems(items);
}

void Tfcompleted::ListView1ColumnClick(int column) {
    SortRows(*ListView1, CompareSolvedRows, column);
}
