// The splash library as the program uses it: one borderless window, shown and removed on request.
#include "qvw32.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

QSet<QWidget*> VisibleWindows() {
    QSet<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            windows.insert(widget);
        }
    }
    return windows;
}

// The windows showsplash opened: every visible top-level window that was not there before.
QSet<QWidget*> WindowsShownBy(void (*call)()) {
    const QSet<QWidget*> before = VisibleWindows();
    call();
    return VisibleWindows() - before;
}

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 96;
}

// The name is drawn across the middle of the picture; the board fills the rest.
bool InNameBand(int y, int height) {
    return y >= height * 3 / 10 && y < height * 7 / 10;
}

} // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { hidesplash(); }

    void HideWithoutSplashLeavesOtherWindowsAlone() {
        QWidget programWindow;
        programWindow.show();
        const QSet<QWidget*> before = VisibleWindows();
        hidesplash();
        hidesplash();
        QVERIFY(programWindow.isVisible());
        QCOMPARE(VisibleWindows(), before);
    }

    void ShowOpensOneFramelessWindowCentredOnScreen() {
        const QSet<QWidget*> opened = WindowsShownBy(showsplash);
        QCOMPARE(opened.size(), 1);
        const QWidget* splash = *opened.begin();
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint offset = splash->geometry().center() - screenCentre;
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void ShowTwiceKeepsOneWindow() {
        QCOMPARE(WindowsShownBy(showsplash).size(), 1);
        QCOMPARE(WindowsShownBy(showsplash).size(), 0);
    }

    // Hiding twice must not touch a deleted window, and a later show must not be blocked by it.
    void HideRemovesTheWindowAndRepeatsHarmlessly() {
        const QSet<QWidget*> before = VisibleWindows();
        const QSet<QWidget*> opened = WindowsShownBy(showsplash);
        QCOMPARE(opened.size(), 1);
        const QPointer<QWidget> splash = *opened.begin();
        hidesplash();
        QVERIFY(splash.isNull() || !splash->isVisible());
        QCOMPARE(VisibleWindows(), before);
        hidesplash();
        QCOMPARE(VisibleWindows(), before);
        QCOMPARE(WindowsShownBy(showsplash).size(), 1);
    }

    void PictureShowsDarkNameOverPaleBoardInsideFrame() {
        const QSet<QWidget*> opened = WindowsShownBy(showsplash);
        QCOMPARE(opened.size(), 1);
        const QImage picture =
            (*opened.begin())->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int width = picture.width();
        const int height = picture.height();

        // The paper shows just inside the frame's corner; the frame is one colour all round.
        const QRgb background = picture.pixel(2, 2);
        const QRgb frame = picture.pixel(0, 0);
        QVERIFY(qGray(background) > 230);
        QVERIFY(qGray(frame) < qGray(background) - 40);
        int frameBreaks = 0;
        int darkInBand = 0;
        int darkLeft = width;
        int darkRight = 0;
        int darkOutsideBand = 0;
        int paleAbove = 0;
        int paleBelow = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (x == 0 || y == 0 || x == width - 1 || y == height - 1) {
                    frameBreaks += pixel != frame ? 1 : 0;
                    continue;
                }
                const bool inBand = InNameBand(y, height);
                if (IsDark(pixel)) {
                    if (inBand) {
                        ++darkInBand;
                        darkLeft = std::min(darkLeft, x);
                        darkRight = std::max(darkRight, x);
                    } else {
                        ++darkOutsideBand;
                    }
                } else if (!inBand && pixel != background && qGray(pixel) > 180) {
                    ++(y < height / 2 ? paleAbove : paleBelow);
                }
            }
        }
        QVERIFY2(darkInBand > 500, qPrintable(QString::number(darkInBand)));
        QCOMPARE(frameBreaks, 0);
        QCOMPARE(darkOutsideBand, 0);
        QVERIFY(std::abs((darkLeft + darkRight) / 2 - width / 2) <= width / 20);
        QVERIFY(darkRight - darkLeft > width / 3);
        QVERIFY2(paleAbove > 300 && paleBelow > 300,
                 qPrintable(QStringLiteral("%1 above, %2 below").arg(paleAbove).arg(paleBelow)));
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
