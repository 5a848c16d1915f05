#include "game/message_panel.h"

#include "ui/dialog_look.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int PromptPixelSize = 16; // 12 points at 96 dots per inch

} // namespace

void DrawMessagePanel(QPainter& painter, const QRect& area, const QString& text) {
    QFont font = DesignedFont();
    font.setPixelSize(PromptPixelSize);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int sw = metrics.horizontalAdvance(text);
    const int sh = metrics.height();
    const int cw = area.width();
    const int ch = area.height();

    // Right and bottom are exclusive.
    const int left = (cw - (sw + 42)) / 2 - 20;
    const int right = (cw + sw + 42) / 2 + 20;
    const int top = (ch - sh) / 2 - 20;
    const int bottom = (ch + sh) / 2 + 20;
    painter.fillRect(left, top, right - left, bottom - top,
                     QApplication::palette().color(QPalette::Button));
    for (int edge = 0; edge < 2; ++edge) {
        painter.fillRect(left + edge, top + edge, right - left - 2 * edge, 1, Qt::white);
        painter.fillRect(left + edge, top + edge, 1, bottom - top - 2 * edge, Qt::white);
        painter.fillRect(left + edge, bottom - 1 - edge, right - left - 2 * edge, 1,
                         QColor(128, 128, 128));
        painter.fillRect(right - 1 - edge, top + edge, 1, bottom - top - 2 * edge,
                         QColor(128, 128, 128));
    }
    painter.setPen(Qt::black);
    painter.drawText((cw - sw) / 2 + 24, (ch - sh) / 2 + metrics.ascent(), text);
    painter.drawPixmap(left + 2 + 16, ch / 2 - 16, QPixmap(QStringLiteral(":/icons/quorvane")));
}
