#include "ui/menu_banner_style.h"

#include "appearance/menu_banner.h"
#include "appearance/qt_colour.h"

#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>

MenuBannerStyle::MenuBannerStyle(QString text) : Text_(std::move(text)) {}

void MenuBannerStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // A menu paints what its items leave free last, and the band lies in that free space.
    if (element != CE_MenuEmptyArea || qobject_cast<const QMenu*>(widget) == nullptr)
        return;
    const int frame = pixelMetric(PM_MenuPanelWidth, option, widget);
    const QRect inside = option->rect.adjusted(frame, frame, -frame, -frame);
    DrawBanner(*painter, QRect(inside.left(), inside.top(), BannerWidth, inside.height()));
}

void MenuBannerStyle::DrawBanner(QPainter& painter, const QRect& band) const {
    painter.save();
    QLinearGradient shade(band.bottomLeft(), band.topLeft());
    shade.setColorAt(0, ToQColor(MenuBannerFoot));
    shade.setColorAt(1, ToQColor(MenuBannerHead));
    painter.fillRect(band, shade);

    // The text reads from the bottom up: turned a quarter left about the band's foot.
    painter.translate(band.left(), band.bottom() + 1);
    painter.rotate(-90);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(MenuBannerTextPixels);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, band.height(), band.width()), Qt::AlignLeft | Qt::AlignVCenter,
                     Text_);
    painter.restore();
}

void UseMenuBanner(QMenuBar& bar, const QString& text) {
    auto* style = new MenuBannerStyle(text);
    style->setParent(&bar);
    for (QMenu* menu : bar.findChildren<QMenu*>()) {
        menu->setStyle(style);
        // The menu lays its items out right of this margin, which leaves the band's room.
        menu->setContentsMargins(MenuBannerStyle::BannerWidth, 0, 0, 0);
    }
}
