#include "appearance/colour_swatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSwatch::ShowColour(const QColor& colour) {
    QPalette shown = palette();
    shown.setColor(QPalette::Window, colour);
    setPalette(shown);
}

// A press that is dragged off the swatch before its release is no click.
void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

// Held down, the key would open the picker again behind each one it closes.
void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit Clicked();
        event->accept();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

// The focus is a dotted line inside the frame, black on a light colour and white on a dark one,
// so it shows on whatever colour the swatch holds.
void ColourSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    painter.setPen(QPen(dark ? Qt::white : Qt::black, 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
}
