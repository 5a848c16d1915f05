// The splash library's entry points, which own the one splash window.
#include "qvw32.h"

#include "splash_window.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace {

// A guarded pointer, so a window closed and deleted elsewhere is not deleted twice, and no
// static destructor touches a widget after the application has gone.
QPointer<SplashWindow> shownSplash;

} // namespace

void showsplash() {
    // Widgets need a QApplication; a bare QCoreApplication or none at all would abort.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr || shownSplash) {
        return;
    }
    shownSplash = new SplashWindow();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        shownSplash->move(screen->availableGeometry().center() - shownSplash->rect().center());
    }
    shownSplash->show();
    // The program goes on loading without returning to its event loop, so the picture must be on
    // screen before we return rather than at the next idle moment.
    shownSplash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void hidesplash() {
    delete shownSplash;
}
