// The program entry: the splash, the windows in their order, and the message loop.
#include "app/library_splash.h"
#include "app/program_windows.h"
#include "ui/file_choosers.h"
#include "ui/message_boxes.h"
#include "platform/event_loop_waiter.h"
#include "settings/file_registry.h"
#include "platform/raster_font_library.h"
#include "platform/system_clock.h"

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    showsplash();
    EventLoopWaiter waiter;
    waiter.Wait(std::chrono::milliseconds(1000));
    QApplication::setApplicationName(QStringLiteral("Quorvane"));

    FileRegistry registry(DefaultRegistryPath());
    RasterFontLibrary fonts;
    LibrarySplash splash;
    MessageBoxes messages;
    SystemClock clock;
    FileChoosers files;
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    ProgramWindows windows({registry, fonts, waiter, splash, messages, clock, files,
                            QApplication::applicationDirPath().toStdString(), arguments,
                            userData.toStdString()});
    Tfmainform& mainform = *windows.Mainform;
    mainform.adjustSize();
    mainform.move(mainform.screen()->availableGeometry().center() - mainform.rect().center());
    mainform.show();
    mainform.activateWindow();
    return QApplication::exec();
}
