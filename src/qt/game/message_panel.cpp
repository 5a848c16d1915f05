#include "game/message_panel.h"

#include "appearance/qt_colour.h"
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
    painter.fillRect(panel.Left, panel.Top, panel.Width(), panel.Height(),
                     QApplication::palette().color(QPalette::Button));
    for (const PromptFrameStrip& strip : PromptFrameStrips(panel))
        painter.fillRect(strip.Area.Left, strip.Area.Top, strip.Area.Width(), strip.Area.Height(),
                         ToQColor(strip.Colour));
    painter.setPen(Qt::black);
    painter.drawText(layout.TextLeft, layout.TextTop + metrics.ascent(), text);
    painter.drawPixmap(layout.IconLeft, layout.IconTop,
                       QPixmap(QStringLiteral(":/icons/quorvane")));
}
