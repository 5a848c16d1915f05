#include "library/about.h"

#include "library/readme_lines.h"
#include "ui/dialog_look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace {

QLabel* AddLabel(QWidget& parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

// Impact where the system has it. Elsewhere a condensed sans serif drawn bold stands in, which
// comes nearest to Impact's narrow heavy letters among the faces a Linux desktop ships.
QFont BetaFont() {
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("Impact"))) {
        font.setFamily(QStringLiteral("Impact"));
    } else {
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setStretch(QFont::Condensed);
        font.setWeight(QFont::Bold);
    }
    font.setPixelSize(19);
    return font;
}

// A face wider than Impact must not cut the text: the label keeps its place and grows to the
// right as far as the box's edge, and a face too wide even for that is drawn smaller.
void FitWholeText(QLabel& label, int rightEdge) {
    QFont font = label.font();
    const auto textWidth = [&] { return QFontMetrics(font).horizontalAdvance(label.text()); };
    while (font.pixelSize() > 1 && label.x() + textWidth() > rightEdge)
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
    label.resize(std::max(label.width(), textWidth()), label.height());
}

} // namespace

Tfabout::Tfabout(const std::filesystem::path& programFolder, QWidget* parent) : QDialog(parent) {
    SetUpFixedDialog(*this, QStringLiteral("About ..."), QSize(376, 482));
    // No buttons in the title bar; Close and Escape end the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The banner is among the library's resources, which live in a static library.
    Q_INIT_RESOURCE(about);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(12, 6, 353, 103);
    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(panel->contentsRect());
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(QPixmap(QStringLiteral(":/about/banner")));

    QLabel* name = AddLabel(*this, "Label1", QStringLiteral("Quorvane"), {16, 118});
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    tahoma.setBold(true);
    name->setFont(tahoma);
    name->adjustSize();
    AddLabel(*this, "Label2", QStringLiteral("Version 0.98"), {118, 118});

    auto* beta = new QLabel(QStringLiteral("Beta Version"), this);
    beta->setObjectName(QStringLiteral("Label5"));
    beta->setGeometry(264, 114, 100, 23);
    beta->setAlignment(Qt::AlignRight | Qt::AlignTop);
    beta->setFont(BetaFont());
    FitWholeText(*beta, width());
    QPalette red = beta->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    beta->setPalette(red);

    AddLabel(*this, "Label3", QStringLiteral("Written by the Quorvane developers."), {16, 134});
    AddLabel(*this, "Label4", QStringLiteral("Legal Notice"), {16, 156});
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(14, 168, 349, 2);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(14, 186, 351, 203);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette face = Memo1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    Memo1->setPalette(face);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(282, 398, 75, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    AddLabel(*this, "Label6",
             QStringLiteral("This version is beta (ie. not the final product). Please post any "
                            "comments "),
             {14, 432});
    AddLabel(*this, "Label7", QStringLiteral("bugs or suggestions to:"), {14, 446});
    AddLabel(*this, "Label8", QStringLiteral("the Quorvane project's issue tracker."), {14, 460});

    FormCreate(programFolder);
}

void Tfabout::FormCreate(const std::filesystem::path& programFolder) {
    QStringList lines;
    for (const std::string& line : ReadmeLines(programFolder / "Readme.txt"))
        lines.append(QString::fromStdString(line));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}
