// Menus with the window's name on a band down their left edge: its pixels in an open menu, the
// items beside it, and both windows' menus carrying it.
#include "editor/editor_harness.h"
#include "ui/menu_banner_style.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>

namespace {

bool Dark(QColor colour) {
    return colour.value() < 128;
}

bool White(QColor colour) {
    return colour.lightness() > 200;
}

// The menus of a window's command table, submenus included, and the text of their banner. The bar's
// own overflow menu, which Qt names nothing, is left out.
QStringList BannerTexts(const QWidget& window) {
    QStringList texts;
    for (const QMenu* menu : window.findChild<QMenuBar*>()->findChildren<QMenu*>()) {
        if (menu->objectName().isEmpty())
            continue;
        const auto* style = qobject_cast<const MenuBannerStyle*>(menu->style());
        texts.append(style != nullptr ? style->Text() : QStringLiteral("(none)"));
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace

class MenuBannerTest : public QObject {
    Q_OBJECT

private slots:
    void AnOpenMenuShowsTheBannerBesideItsItems() {
        QMenuBar bar;
        QMenu* menu = bar.addMenu(QStringLiteral("&Game"));
        QAction* start = menu->addAction(QStringLiteral("&Start"));
        start->setShortcut(Qt::Key_F5);
        start->setIcon(bar.style()->standardIcon(QStyle::SP_MediaPlay));
        QAction* pause = menu->addAction(QStringLiteral("&Pause"));
        pause->setEnabled(false);
        for (int item = 0; item < 6; ++item)
            menu->addAction(QStringLiteral("Item %1").arg(item));
        UseMenuBanner(bar, QStringLiteral(" Quorvane"));

        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QImage shot = menu->grab().toImage();
        const int frame = menu->style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, menu);
        const int width = MenuBannerStyle::BannerWidth;
        const int top = frame;
        const int bottom = shot.height() - frame - 1;

        // The band is dark from edge to edge of its 20 pixels, and the menu's own colour follows.
        for (const int y : {top + 1, bottom - 1}) {
            QVERIFY(Dark(shot.pixelColor(frame, y)));
            QVERIFY(Dark(shot.pixelColor(frame + width - 1, y)));
            QVERIFY(!Dark(shot.pixelColor(frame + width, y)));
        }
        // The text is white and runs up from the foot: a tall narrow patch in the lower part.
        QRect text;
        for (int y = top; y <= bottom; ++y)
            for (int x = frame; x < frame + width; ++x)
                if (White(shot.pixelColor(x, y)))
                    text |= QRect(x, y, 1, 1);
        QVERIFY(!text.isEmpty());
        QVERIFY(text.height() > 3 * text.width());
        QVERIFY(bottom - text.bottom() < 12);
        QVERIFY(text.top() > top + 10);

        // Items stand right of the band, and keep their captions, keys and states for readers.
        QVERIFY(menu->actionGeometry(start).left() >= frame + width);
        QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(readable != nullptr);
        QCOMPARE(readable->child(0)->text(QAccessible::Name), QStringLiteral("Start"));
        QCOMPARE(readable->child(0)->text(QAccessible::Accelerator), QStringLiteral("F5"));
        QVERIFY(readable->child(1)->state().disabled);
        menu->close();
    }

    void EachWindowsMenusCarryItsName() {
        MainformHarness game;
        auto mainform = game.Create();
        QCOMPARE(BannerTexts(*mainform), QStringList{QStringLiteral(" Quorvane")});
        // The tool buttons' images stand beside the items they share.
        QVERIFY(!Control<QAction>(*mainform, "Contents1")->icon().isNull());

        EditorHarness editing;
        auto editor = editing.Create();
        QCOMPARE(BannerTexts(*editor), QStringList{QStringLiteral(" Puzzle Editor")});
    }
};

QTEST_MAIN(MenuBannerTest)
#include "menu_banner_test.moc"
