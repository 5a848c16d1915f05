#include "game/message_panel.h"

#include "game/prompt_layout.h"
#include "ui/dialog_look.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int PromptPixelSize = PromptPoints * 4 / 3; // at 96 dots per inch

} // namespace

void DrawMessagePanel(QPainter& painter, const QRect& area, const QString& text) {
    QFont font = DesignedFont();
    font.setPixelSize(PromptPixelSize);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const PromptLayout layout = PromptLayoutFor(area.width(), area.height(),
                                                metrics.horizontalAdvance(text), metrics.height());
    const PixelRect& panel = layout.Panel;
    const int left = panel.Left;
    const int top = panel.Top;
    const int right = panel.Right;
    const int bottom = panel.Bottom;
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
    painter.drawText(layout.TextLeft, layout.TextTop + metrics.ascent(), text);
    painter.drawPixmap(layout.IconLeft, layout.IconTop, QPixmap(QStringLiteral(":/icons/quorvane")));
}
