#include "ui/dialog_look.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <vector>

namespace {

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

const QWidget* OwnerOf(const QWidget& window) {
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

// A window's own frame is not known until the window system has framed it, and what Qt keeps of
// it between showings is not to be relied on. Window managers give every window the same title
// bar and border (and a handle below only to those that can be resized), so the frame of the
// nearest owner with a title bar stands in for it, taken as the title bar and the border all
// round: the same for the first showing and every later one. A window that has no framed owner
// goes by its own frame.
QMargins ExpectedFrameMargins(const QWidget& window) {
    std::vector<const QWidget*> framedFirst;
    for (const QWidget* owner = OwnerOf(window); owner != nullptr; owner = OwnerOf(*owner))
        framedFirst.push_back(owner);
    framedFirst.push_back(&window);
    for (const QWidget* framed : framedFirst)
        if (const QMargins margins = FrameMargins(*framed); margins.top() > 0)
            return {margins.left(), margins.top(), margins.left(), margins.left()};
    return {};
}

// Qt places a dialog over its owner, but the main window moves as puzzles change its size, so the
// windows stand in the middle of the screen instead. The filter sees the show before the window
// does, and a window that has been moved no longer puts itself over its owner.
class ScreenCentring final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A spontaneous show is the window system restoring the window, which stays where it was.
        if (event->type() == QEvent::Show && !event->spontaneous())
            CentreFrameOnScreen(*static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void SetUpFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(clientSize);
    dialog.setFont(DesignedFont());
    CentreOnEveryShowing(dialog);
}

void CentreFrameOnScreen(QWidget& window) {
    const QWidget* owner = OwnerOf(window);
    const QScreen* screen = (owner != nullptr ? owner : &window)->screen();
    if (screen == nullptr)
        return;
    const QMargins margins = ExpectedFrameMargins(window);
    QRect frame(QPoint(), window.size().grownBy(margins));
    frame.moveCenter(screen->availableGeometry().center());
    // The client area is placed, which means the same whether the window is framed yet or not.
    window.setGeometry(
        QRect(frame.topLeft() + QPoint(margins.left(), margins.top()), window.size()));
}

void CentreOnEveryShowing(QWidget& window) {
    window.installEventFilter(new ScreenCentring(&window));
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
