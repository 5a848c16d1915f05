// Drawing text in a toolkit font, sized as the system would size a point size at 96 dpi.
#include "platform/substitute_text_face.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Board text is sized for 96 dots per inch, whatever the screen reports.
int PixelSize(int pointSize) {
    return static_cast<int>(std::lround(pointSize * 4.0 / 3.0));
}

} // namespace

SubstituteTextFace::SubstituteTextFace(const QString& family, int pointSize, bool bold)
    : Font(family) {
    Font.setPixelSize(std::max(1, PixelSize(pointSize)));
    Font.setBold(bold);
    // Board text is drawn in whole pixels, as the raster faces it stands in for are.
    Font.setStyleStrategy(QFont::NoAntialias);
}

QSize SubstituteTextFace::Measure(const QString& text) const {
    const QFontMetrics metrics(Font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void SubstituteTextFace::Draw(QPainter& painter, QPoint topLeft, const QString& text,
                              const QColor& colour, const QColor& background) const {
    painter.fillRect(QRect(topLeft, Measure(text)), background);
    painter.save();
    painter.setFont(Font);
    painter.setPen(colour);
    painter.drawText(topLeft + QPoint(0, QFontMetrics(Font).ascent()), text);
    painter.restore();
}
