// The yardstick of the start-up measurement: an empty Qt main window, shown as soon as the
// application is up, with nothing of the game in it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(627, 419);
    window.show();
    return QApplication::exec();
}
