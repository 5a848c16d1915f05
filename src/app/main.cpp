// The program entry: the application and its main window.
#include "game/mainform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    Tfmainform mainform;
    mainform.show();
    return QApplication::exec();
}
