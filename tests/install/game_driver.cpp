// Plays the part of the player for the install test. Loaded into the installed game as a Qt
// generic plugin (QT_QPA_GENERIC_PLUGINS=quorvanedriver), it drives the program from inside its
// own process, so the program carries no hook for tests. Once a game is loaded it writes the
// window title to the report, saves the game through Save Game and its file dialog, writes the
// folder that dialog started in, and closes the window. QUORVANE_DRIVER_REPORT names the report.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QMainWindow>
#include <QTextStream>
#include <QTimer>

namespace {

class GameDriver final : public QObject {
public:
    GameDriver() {
        Clock.start();
        connect(&Poll, &QTimer::timeout, this, [this] { Step(); });
        Poll.start(50);
    }

private:
    enum class Stage { WaitingForGame, WaitingForDialog, WaitingForSave };

    void Report(const QString& line) {
        QFile file(qEnvironmentVariable("QUORVANE_DRIVER_REPORT"));
        if (file.open(QIODevice::Append | QIODevice::Text))
            QTextStream(&file) << line << '\n';
    }

    static QMainWindow* MainWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<QMainWindow*>(widget); window && window->isVisible())
                return window;
        return nullptr;
    }

    void Step() {
        if (Clock.hasExpired(60000)) {
            const QWidget* modal = QApplication::activeModalWidget();
            Report(QStringLiteral("timed out") +
                   (modal ? QStringLiteral(" under ") + modal->metaObject()->className() +
                                QStringLiteral(" ") + modal->windowTitle()
                          : QString()));
            QCoreApplication::exit(2);
            return;
        }
        QMainWindow* window = MainWindow();
        QAction* save = window ? window->findChild<QAction*>(QStringLiteral("SaveGame1")) : nullptr;
        switch (Now) {
        case Stage::WaitingForGame:
            if (save && save->isEnabled()) {
                Report(QStringLiteral("title: ") + window->windowTitle());
                Now = Stage::WaitingForDialog;
                // The dialog runs its own event loop, in which this timer goes on polling.
                QTimer::singleShot(0, save, &QAction::trigger);
            }
            break;
        case Stage::WaitingForDialog:
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                Report(QStringLiteral("dialog folder: ") + dialog->directory().absolutePath());
                // Typed as a player would: selectFile leaves a focused name field alone.
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    name->setText(QStringLiteral("driven.qvs"));
                static_cast<QDialog*>(dialog)->accept(); // public in QDialog
                Now = Stage::WaitingForSave;
            }
            break;
        case Stage::WaitingForSave:
            if (window && QApplication::activeModalWidget() == nullptr) {
                Report(QStringLiteral("closing"));
                Poll.stop();
                window->close();
            }
            break;
        }
    }

    QTimer Poll;
    QElapsedTimer Clock;
    Stage Now = Stage::WaitingForGame;
};

} // namespace

class GameDriverPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "game_driver.json")

public:
    QObject* create(const QString&, const QString&) override { return new GameDriver; }
};

#include "game_driver.moc"
