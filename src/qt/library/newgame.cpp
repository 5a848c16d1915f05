// The new-game browser: the folder's puzzle files, their solved marks, sorting and Browse.
#include "library/newgame.h"

#include "ui/dialog_look.h"
#include "library/puzzle_folder_scan.h"
#include "library/puzzle_glyph.h"
#include "library/report_list.h"
#include "library/row_order.h"
#include "platform/date_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <array>

namespace {

constexpr std::array<ReportColumn, 5> Columns{{
    {"Name", 200, Qt::AlignLeft},
    {"Level", 50, Qt::AlignHCenter},
    {"Created By", 120, Qt::AlignLeft},
    {"Date", 120, Qt::AlignLeft},
    {"Location", 250, Qt::AlignLeft},
}};

std::optional<QString> ChooseWithFileDialog(QWidget* owner, const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        owner, QStringLiteral("Select the new folder to display."), startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

// The glyphs are drawn once for a whole filling and shared by its rows.
struct RowIcons {
    QIcon Unsolved = PuzzleGlyph(PuzzleGlyphShade::Colour);
    QIcon Solved = PuzzleGlyph(PuzzleGlyphShade::Grey);
};

QTreeWidgetItem* RowItem(const PuzzleFolderRow& row, const QString& folderText,
                         const RowIcons& icons) {
    auto* item = new QTreeWidgetItem;
    item->setText(PuzzleColumn::Name, QString::fromStdString(row.Name));
    item->setIcon(PuzzleColumn::Name, row.Solved ? icons.Solved : icons.Unsolved);
    item->setText(PuzzleColumn::Level, QString::number(row.Level));
    item->setText(PuzzleColumn::CreatedBy, QString::fromStdString(row.Creator));
    item->setText(PuzzleColumn::Date,
                  FormatOleDate(row.DateCreated, u"mmm dd yyyy hh:nn", QLocale()));
    item->setText(PuzzleColumn::Location,
                  QString::fromStdString(PuzzleLocation(folderText.toStdString(), row.FileName)));
    AlignReportRow(*item, Columns);
    return item;
}

} // namespace

Tfnewgame::Tfnewgame(RegistryStore& registry, QWidget* parent)
    : QDialog(parent), Registry(registry), ChooseFolder(ChooseWithFileDialog) {
    SetUpFixedDialog(*this, QStringLiteral("Start New Game"), QSize(478, 294));

    auto* label = new QLabel(QStringLiteral("Browse Folder"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(14, 12);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(92, 8, 263, 22);
    Edit1->setReadOnly(true);

    auto* browse = new QPushButton(QStringLiteral("Browse"), this);
    browse->setObjectName(QStringLiteral("Button3"));
    browse->setGeometry(376, 7, 75, 25);
    connect(browse, &QPushButton::clicked, this, &Tfnewgame::Button3Click);

    ListView1 = MakeReportList(this, QStringLiteral("ListView1"), QRect(10, 42, 453, 209), Columns);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            &Tfnewgame::ListView1ColumnClick);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &Tfnewgame::ListView1Change);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &Tfnewgame::ListView1DblClick);

    CheckBox1 = new QCheckBox(QStringLiteral("Do not display completed puzzles"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(14, 266, 189, 17);
    connect(CheckBox1, &QCheckBox::toggled, this, &Tfnewgame::FillPuzzleList);

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(308, 262, 75, 25);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    cancel->setGeometry(390, 262, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::filesystem::path> Tfnewgame::ChooseFrom(const std::filesystem::path& folder) {
    Edit1->setText(QString::fromStdString(folder.string()));
    FormShow();
    if (exec() != QDialog::Accepted || !SelectedFileExists())
        return std::nullopt;
    return std::filesystem::path(SelectedPuzzlePath.toStdString());
}

std::filesystem::path Tfnewgame::ShownFolder() const {
    return std::filesystem::path(Edit1->text().toStdString());
}

void Tfnewgame::UseFolderChooser(FolderChooser chooser) {
    ChooseFolder = std::move(chooser);
}

// The list keeps its sideways scrolling while the dialog is hidden; each showing starts at the
// left, with the names in view.
void Tfnewgame::FormShow() {
    SelectedPuzzlePath.clear();
    ListView1->horizontalScrollBar()->setValue(0);
    FillPuzzleList();
}

// Every filling starts from a fresh scan and ends with no row selected. The rows are put in
// order before they enter the list, which then lays them out once.
void Tfnewgame::FillPuzzleList() {
    ListView1->clear();
    const QString folderText = Edit1->text();
    const PuzzleFolderScan scan =
        ScanPuzzleFolder(std::filesystem::path(folderText.toStdString()), Registry);
    const RowIcons icons;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(scan.Rows.size()));
    for (const PuzzleFolderRow& row : scan.Rows)
        if (!(row.Solved && CheckBox1->isChecked()))
            items.append(RowItem(row, folderText, icons));
    SortItems(items, ComparePuzzleRows, PuzzleColumn::Name);
    ListView1->addTopLevelItems(items);
    ListView1Change();
}

void Tfnewgame::Button3Click() {
    const std::optional<QString> folder = ChooseFolder(this, Edit1->text());
    if (!folder)
        return;
    Edit1->setText(*folder);
    SelectedPuzzlePath.clear();
    FillPuzzleList();
}

void Tfnewgame::ListView1Change() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    SelectedPuzzlePath =
        selected.isEmpty() ? QString() : selected.front()->text(PuzzleColumn::Location);
    Button2->setEnabled(SelectedFileExists());
}

void Tfnewgame::ListView1DblClick() {
    ListView1Change();
    if (SelectedFileExists())
        accept();
}

void Tfnewgame::ListView1ColumnClick(int column) {
    SortRows(*ListView1, ComparePuzzleRows, column);
}

bool Tfnewgame::SelectedFileExists() const {
    return !SelectedPuzzlePath.isEmpty() && QFileInfo(SelectedPuzzlePath).isFile();
}
