#include "game/fileinfo.h"

#include "ui/dialog_look.h"
#include "model/puzzle_record.h"
#include "base/code_page.h"
#include "platform/date_text.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* Label(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Texts come from puzzle files: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// Value labels grow to the right with their text and are cut at the dialog's edge.
void SetValue(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    label->resize(std::min(label->width(), label->parentWidget()->width() - label->x()),
                  label->height());
}

QString Text(const std::string& cp1252) {
    return QString::fromStdString(Utf8FromCp1252(cp1252));
}

} // namespace

Tffileinfo::Tffileinfo(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(*this, QStringLiteral("File Information"), QSize(402, 322));

    AddProgramIcon(*this, QRect(10, 12, 47, 51));

    Label(this, "Label1", QStringLiteral("Puzzle Name"), 64, 14);
    Label(this, "Label3", QStringLiteral("Puzzle ID"), 64, 36);
    Label(this, "Label8", QStringLiteral("Created By "), 64, 58);
    Label(this, "Label5", QStringLiteral("Date Created"), 64, 80);
    Label(this, "Label7", QStringLiteral("Comments"), 64, 110);
    Label2 = Label(this, "Label2", QString(), 142, 14);
    Label4 = Label(this, "Label4", QString(), 142, 36);
    Label9 = Label(this, "Label9", QStringLiteral("[Unknown]"), 142, 58);
    Label6 = Label(this, "Label6", QStringLiteral("[Unknown]"), 142, 80);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(62, 94, 329, 2);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(142, 110, 249, 165);
    StaticText1->setWordWrap(true);
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(314, 292, 75, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void Tffileinfo::Fill(const PuzzleRecord& puzzle) {
    SetValue(Label2, Text(puzzle.Name.Text()));
    SetValue(Label9, Text(puzzle.Creator.Text()));
    SetValue(Label6, FormatOleDate(puzzle.DateCreated, u"dd/mm/yyyy", QLocale()));
    StaticText1->setText(
        Text(puzzle.Comments.Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    SetValue(Label4, QString::fromStdString(GuidText(puzzle.PuzzleId)));
}
