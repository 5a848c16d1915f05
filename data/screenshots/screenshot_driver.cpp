// Takes the metainfo's two screenshots from the running game (see take.sh). Loaded as a Qt generic
// plugin (QT_QPA_GENERIC_PLUGINS=quorvanescreenshots), it starts the game named on the command
// line, presses the cells QUORVANE_SHOT_CELLS lists ("x,y;x,y,r", of a QUORVANE_SHOT_SIZE "WxH"
// grid), grabs the window as game.png, then opens the same puzzle in the editor and grabs
// editor.png, both into the folder QUORVANE_SHOT_FOLDER; with QUORVANE_SHOT_PREFERENCES set it
// goes on to grab the preferences dialog as preferences.png.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>

namespace {

class ScreenshotDriver final : public QObject {
public:
    ScreenshotDriver() {
        connect(&Poll, &QTimer::timeout, this, [this] { Step(); });
        Poll.start(100);
    }

private:
    enum class Stage {
        WaitingForGame,
        WaitingForEditor,
        WaitingForOpenDialog,
        WaitingForPuzzle,
        WaitingForPreferences
    };

    static QWidget* Shown(const char* className) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->inherits(className))
                return widget;
        return nullptr;
    }

    static void Save(QWidget& window, const QString& name) {
        window.grab().save(qEnvironmentVariable("QUORVANE_SHOT_FOLDER") + u'/' + name);
    }

    // The grid's cells are the only pixels in the central board's colour, so their bounds give
    // the grid whatever the clue areas' sizes.
    static void FillCells(QWidget& client) {
        const QImage image = client.grab().toImage();
        QRect grid;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(255, 255, 217))
                    grid |= QRect(x, y, 1, 1);
        const QStringList size = qEnvironmentVariable("QUORVANE_SHOT_SIZE").split(u'x');
        const double width = double(grid.width() + 1) / size.value(0).toInt();
        const double height = double(grid.height() + 1) / size.value(1).toInt();
        for (const QString& cell : qEnvironmentVariable("QUORVANE_SHOT_CELLS").split(u';')) {
            const QStringList at = cell.split(u',');
            const QPointF point(grid.left() + (at.value(0).toInt() + 0.5) * width,
                                grid.top() + (at.value(1).toInt() + 0.5) * height);
            // "x,y" fills a cell; "x,y,r" excludes it and "x,y,rr" marks it.
            const QString right = at.value(2);
            if (right.isEmpty())
                Click(client, point, Qt::LeftButton);
            for (qsizetype press = 0; press < right.size(); ++press)
                Click(client, point, Qt::RightButton);
        }
    }

    // A press and release delivered to the widget under the point, as the window system would.
    static void Click(QWidget& client, QPointF point, Qt::MouseButton button) {
        QWidget* under = client.childAt(point.toPoint());
        QWidget& target = under != nullptr ? *under : client;
        const QPointF local = target.mapFrom(&client, point);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, local, target.mapToGlobal(local), button,
                              type == QEvent::MouseButtonPress ? button : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&target, &event);
        }
    }

    static void Trigger(QWidget& window, const char* action) {
        if (auto* found = window.findChild<QAction*>(QString::fromLatin1(action)))
            found->trigger();
    }

    void Step() {
        auto* game = qobject_cast<QMainWindow*>(Shown("Tfmainform"));
        switch (Now) {
        case Stage::WaitingForGame:
            if (game && game->windowTitle().startsWith(QStringLiteral("Quorvane - "))) {
                Trigger(*game, "Start1");
                FillCells(*game->centralWidget());
                Save(*game, QStringLiteral("game.png"));
                Now = Stage::WaitingForEditor;
                QTimer::singleShot(0, game, [game] { Trigger(*game, "PuzzleEditor1"); });
            }
            break;
        case Stage::WaitingForEditor:
            if (QWidget* editor = Shown("Tffeditor")) {
                Now = Stage::WaitingForOpenDialog;
                QTimer::singleShot(0, editor, [editor] { Trigger(*editor, "Open1"); });
            }
            break;
        case Stage::WaitingForOpenDialog:
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    name->setText(QApplication::arguments().value(1));
                static_cast<QDialog*>(dialog)->accept(); // public in QDialog
                Now = Stage::WaitingForPuzzle;
            }
            break;
        case Stage::WaitingForPuzzle:
            if (!qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                auto* editor = qobject_cast<QDialog*>(Shown("Tffeditor"));
                Save(*editor, QStringLiteral("editor.png"));
                if (qEnvironmentVariableIsEmpty("QUORVANE_SHOT_PREFERENCES")) {
                    Poll.stop();
                    QCoreApplication::exit(0);
                    break;
                }
                editor->accept();
                Now = Stage::WaitingForPreferences;
                QTimer::singleShot(0, game, [game] { Trigger(*game, "Preferences1"); });
            }
            break;
        case Stage::WaitingForPreferences:
            if (QWidget* preferences = Shown("Tfpreferences")) {
                Save(*preferences, QStringLiteral("preferences.png"));
                Poll.stop();
                QCoreApplication::exit(0);
            }
            break;
        }
    }

    QTimer Poll;
    Stage Now = Stage::WaitingForGame;
};

} // namespace

class ScreenshotDriverPlugin final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "screenshot_driver.json")

public:
    QObject* create(const QString&, const QString&) override { return new ScreenshotDriver; }
};

#include "screenshot_driver.moc"
