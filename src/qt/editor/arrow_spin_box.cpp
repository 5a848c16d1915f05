#include "editor/arrow_spin_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>

namespace {

// An arrow button held down steps again after 400 ms, then every 100 ms.
class RepeatingArrows final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_SpinBox_ClickAutoRepeatThreshold)
            return 400;
        if (hint == SH_SpinBox_ClickAutoRepeatRate)
            return 100;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Keys that step, move the focus or the text cursor, or only read the text.
bool Harmless(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll))
        return true;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

} // namespace

ArrowSpinBox::ArrowSpinBox(QWidget* parent) : QSpinBox(parent) {
    auto* style = new RepeatingArrows;
    style->setParent(this);
    setStyle(style);
    // Pasting or dropping through the text field's own menu is closed as well.
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ArrowSpinBox::keyPressEvent(QKeyEvent* event) {
    if (Harmless(*event)) {
        QSpinBox::keyPressEvent(event);
        return;
    }
    QApplication::beep();
    event->accept();
}

void ArrowSpinBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
