#include "game/board_scroll.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

QScrollBar* Bar(QWidget& client, Qt::Orientation orientation, const char* name) {
    auto* bar = new QScrollBar(orientation, &client);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setCursor(Qt::ArrowCursor);
    bar->hide();
    QObject::connect(bar, &QScrollBar::valueChanged, &client, qOverload<>(&QWidget::update));
    return bar;
}

} // namespace

BoardScroll::BoardScroll(QWidget& client)
    : Across(Bar(client, Qt::Horizontal, "HorizontalScroll")),
      Down(Bar(client, Qt::Vertical, "VerticalScroll")) {}

QSize BoardScroll::Fit(QSize wanted, QSize available, int top, int bottom) {
    const int barWidth = Down->sizeHint().width();
    const int barHeight = Across->sizeHint().height();
    // A bar for one direction takes room from the other, which may then need a bar too.
    bool across = wanted.width() > available.width();
    bool down = wanted.height() > available.height();
    down = down || (across && wanted.height() + barHeight > available.height());
    across = across || (down && wanted.width() + barWidth > available.width());
    const int right = down ? barWidth : 0;
    const int below = across ? barHeight : 0;
    const QSize shown(std::min(wanted.width() + right, available.width()),
                      std::min(wanted.height() + below, available.height()));

    const int barsBottom = shown.height() - bottom;
    Across->setGeometry(0, barsBottom - below, shown.width() - right, below);
    Down->setGeometry(shown.width() - right, top, right, barsBottom - below - top);
    Across->setRange(0, wanted.width() - (shown.width() - right));
    Across->setPageStep(shown.width() - right);
    Down->setRange(0, wanted.height() - (shown.height() - below));
    Down->setPageStep(barsBottom - below - top);
    Across->setVisible(across);
    Down->setVisible(down);
    return shown;
}

QPoint BoardScroll::Offset() const {
    return {Across->isVisible() ? Across->value() : 0, Down->isVisible() ? Down->value() : 0};
}

void BoardScroll::Wheel(QWheelEvent& wheel) const {
    const bool across =
        wheel.angleDelta().x() != 0 || wheel.modifiers().testFlag(Qt::ShiftModifier);
    QScrollBar* bar = across ? Across : Down;
    if (bar->isVisible())
        QCoreApplication::sendEvent(bar, &wheel);
}
