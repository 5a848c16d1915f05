#include "editor/level_slider.h"

#include <QPainter>
#include <QStyleOptionSlider>

LevelSlider::LevelSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::NoTicks);
}

void LevelSlider::SetSelection(int start, int end) {
    SelStart = start;
    SelEnd = end;
    update();
}

void LevelSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    const auto centre = [&](int value) {
        return groove.left() + handle.width() / 2 +
               QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
    };
    if (SelEnd > SelStart) {
        const int left = centre(SelStart);
        const int right = centre(SelEnd);
        painter.fillRect(left, groove.center().y() - 1, right - left, 3,
                         palette().color(QPalette::Highlight));
    }

    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}
