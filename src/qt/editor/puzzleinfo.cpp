#include "editor/puzzleinfo.h"

#include "editor/arrow_spin_box.h"
#include "editor/level_slider.h"
#include "editor/limited_memo.h"
#include "editor/puzzle_info_fields.h"
#include "ui/dialog_look.h"
#include "model/puzzle_record.h"
#include "base/code_page.h"
#include "platform/date_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString Text(const std::string& cp1252) {
    return QString::fromStdString(Utf8FromCp1252(cp1252));
}

std::string Stored(const QString& text) {
    return Cp1252FromUtf8(text.toStdString());
}

void AddLabel(QWidget* parent, const QString& caption, int x, int y) {
    auto* label = new QLabel(caption, parent);
    label->move(x, y);
    label->adjustSize();
}

QLineEdit* AddEdit(QWidget* parent, const char* name, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(118, y, 259, 22);
    return edit;
}

// Read-only, in the system's grey-text colour.
void ShowOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    edit->setPalette(palette);
}

ArrowSpinBox* AddSpin(QWidget* parent, const char* name, int x) {
    auto* spin = new ArrowSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(x, 126, 69, 23);
    spin->setRange(PuzzleInfoField::MinSide, PuzzleInfoField::MaxSide);
    spin->setValue(PuzzleInfoField::MinSide);
    return spin;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int x) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 348, 75, 25);
    button->setAutoDefault(false);
    return button;
}

} // namespace

Tfpuzzleinfo::Tfpuzzleinfo(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(*this, QStringLiteral("Puzzle Information"), QSize(395, 381));

    AddLabel(this, QStringLiteral("Name"), 26, 18);
    AddLabel(this, QStringLiteral("Puzzle Id"), 26, 46);
    AddLabel(this, QStringLiteral("Creator"), 26, 74);
    AddLabel(this, QStringLiteral("Creation Date"), 26, 104);
    AddLabel(this, QStringLiteral("Puzzle Width"), 26, 130);
    AddLabel(this, QStringLiteral("Puzzle Height"), 216, 130);
    AddLabel(this, QStringLiteral("Level"), 26, 168);
    AddLabel(this, QStringLiteral("Comments"), 26, 204);

    Edit1 = AddEdit(this, "Edit1", 14);
    Edit1->setMaxLength(PuzzleInfoField::MaxNameLength);
    Edit3 = AddEdit(this, "Edit3", 42);
    ShowOnly(Edit3);
    Edit2 = AddEdit(this, "Edit2", 70);
    Edit2->setMaxLength(PuzzleInfoField::MaxNameLength);
    Edit4 = AddEdit(this, "Edit4", 98);
    ShowOnly(Edit4);

    SpinEdit1 = AddSpin(this, "SpinEdit1", 118);
    SpinEdit2 = AddSpin(this, "SpinEdit2", 308);

    TrackBar1 = new LevelSlider(this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(112, 162, 215, 23);
    TrackBar1->setRange(0, PuzzleInfoField::MaxLevel);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    connect(TrackBar1, &QSlider::valueChanged, this, [this] {
        if (!Filling)
            TrackBar1Change();
    });

    Panel1 = new QLabel(QStringLiteral("0"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(334, 162, 43, 23);
    Panel1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignCenter);

    Memo1 = new LimitedMemo(PuzzleInfoField::MaxTypedComments, this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(118, 200, 259, 135);

    Button2 = AddButton(this, "Button2", QStringLiteral("OK"), 220);
    Button1 = AddButton(this, "Button1", QStringLiteral("Cancel"), 302);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* const order[] = {Edit1, Edit2, Button1,   Button2,   Edit3,
                              Edit4, Memo1, SpinEdit1, SpinEdit2, TrackBar1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tfpuzzleinfo::FillPuzzleInfo(const PuzzleRecord& puzzle) {
    Edit1->setText(Text(puzzle.Name.Text()));
    Edit2->setText(Text(puzzle.Creator.Text()));
    Edit3->setText(QString::fromStdString(GuidText(puzzle.PuzzleId)));
    Memo1->SetStoredText(Text(puzzle.Comments.Text()));
    Panel1->setText(QString::number(puzzle.Level));
    SpinEdit1->setValue(ShownSide(puzzle.Width));
    SpinEdit2->setValue(ShownSide(puzzle.Height));
    const std::string_view pattern = PuzzleInfoField::DatePattern;
    Edit4->setText(FormatOleDate(puzzle.DateCreated,
                                 QString::fromLatin1(pattern.data(), std::ssize(pattern)),
                                 QLocale()));
    // Set from here, the slider's position is no user's move and leaves the panel alone.
    Filling = true;
    TrackBar1->setValue(ShownLevel(puzzle.Level));
    Filling = false;
    TrackBar1->SetSelection(0, TrackBar1->value());
}

void Tfpuzzleinfo::TakePuzzleInfo(PuzzleRecord& puzzle) const {
    puzzle.Name.Assign(Stored(Edit1->text()));
    puzzle.Creator.Assign(Stored(Edit2->text()));
    // The panel, not the slider: a level above the slider's range stays until the user moves it.
    puzzle.Level = Panel1->text().toInt();
    puzzle.Comments.Assign(Stored(Memo1->StoredText()));
    puzzle.Width = SpinEdit1->value();
    puzzle.Height = SpinEdit2->value();
}

bool Tfpuzzleinfo::EditPuzzleInfo(PuzzleRecord& puzzle) {
    FillPuzzleInfo(puzzle);
    Edit1->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    TakePuzzleInfo(puzzle);
    return true;
}

void Tfpuzzleinfo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void Tfpuzzleinfo::TrackBar1Change() {
    Panel1->setText(QString::number(TrackBar1->value()));
    TrackBar1->SetSelection(0, TrackBar1->value());
}
