// The program entry: the application and its main window.
#include <QApplication>

#include "game/mainform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    Tfmainform mainform;
    mainform.show();
    return QApplication::exec();
}
