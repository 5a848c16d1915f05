#include "game/dialog_look.h"

#include <QDialog>
#include <QLabel>

void SetUpFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(clientSize);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    dialog.setFont(font);
}

QLabel* AddProgramIcon(QWidget& parent, const QRect& area) {
    // The icon is among the program's resources, which live in a static library.
    Q_INIT_RESOURCE(mainform);
    auto* image = new QLabel(&parent);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(area);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/icons/quorvane")));
    return image;
}
