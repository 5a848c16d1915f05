#include "library/congrats.h"

#include "ui/dialog_look.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

Tfcongrats::Tfcongrats(QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(*this, QStringLiteral("Puzzle Solved"), QSize(370, 107));

    AddProgramIcon(*this, QRect(14, 10, 51, 51));

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(72, 10, 289, 57);
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    CheckBox1 = new QCheckBox(QStringLiteral("Register this puzzle as solved."), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(72, 82, 171, 17);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(286, 78, 75, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

bool Tfcongrats::Congratulate(const QString& text) {
    StaticText1->setText(text);
    CheckBox1->setChecked(true);
    exec();
    // Closing by the close box counts like Close: only the tick decides.
    return CheckBox1->isChecked();
}
