#include "library/congrats.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

Tfcongrats::Tfcongrats(QWidget* parent) : QDialog(parent) {
    // The icon is among the program's resources, kept in a static library.
    Q_INIT_RESOURCE(mainform);
    setWindowTitle(QStringLiteral("Puzzle Solved"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(370, 107);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(14, 10, 51, 51);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/icons/quorvane")));

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
