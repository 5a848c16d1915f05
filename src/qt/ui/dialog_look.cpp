#include "ui/dialog_look.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QScreen>

namespace {

// Qt places a dialog over its owner, but the main window moves as puzzles change its size, so the
// dialogs stand in the middle of the screen instead. The filter sees the show before the dialog
// does, and a dialog that has been moved no longer puts itself over its owner.
class ScreenCentring final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A spontaneous show is the window system restoring the dialog, which stays where it was.
        if (event->type() == QEvent::Show && !event->spontaneous())
            CentreOnScreen(*static_cast<QWidget*>(watched));
        return false;
    }

private:
    static void CentreOnScreen(QWidget& dialog) {
        const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : &dialog;
        const QScreen* screen = owner->screen();
        if (screen == nullptr)
            return;
        // Until the window system has framed the dialog once, its frame is its client area.
        QRect frame(QPoint(), dialog.frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        // A window's position is that of its frame.
        dialog.move(frame.topLeft());
    }
};

} // namespace

void SetUpFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(clientSize);
    dialog.setFont(DesignedFont());
    dialog.installEventFilter(new ScreenCentring(&dialog));
}

QFont DesignedFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
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
