// Drop-down menus with the window's name running up a dark band down their left edge.
#pragma once

#include "appearance/menu_banner.h"

#include <QProxyStyle>

class QMenuBar;

// Draws the band in the space a menu keeps free on its left; everything else, items, icons,
// mnemonics and shortcuts, is the base style's, so the menu stays an ordinary QMenu to the
// keyboard and to screen readers.
class MenuBannerStyle final : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int BannerWidth = MenuBannerWidth;

    explicit MenuBannerStyle(QString text);

    const QString& Text() const { return Text_; }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    void DrawBanner(QPainter& painter, const QRect& band) const;

    QString Text_;
};

// Every menu of the bar, submenus included, draws the band with this text.
void UseMenuBanner(QMenuBar& bar, const QString& text);
