// The help window: its contents and index lead to pages of the help file, links and Back move
// through them, it takes input under a modal dialog, and a help file it cannot read is reported.
#include "help/help_browser.h"
#include "help/help_window.h"
#include "support/mainform_harness.h"

#include <QDialog>
#include <QListWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

const std::filesystem::path HelpFile = QUORVANE_HELP_FILE;

template <typename T> T* Part(const HelpWindow& window, const char* name) {
    T* part = window.findChild<T*>(QString::fromLatin1(name));
    if (part == nullptr)
        qFatal("no part %s", name);
    return part;
}

// The page shown is one the help file holds: it has a title, and it is not the browser's own
// page for a page not found.
bool ShowsAPageOfTheFile(const HelpWindow& window) {
    const QString title = Part<HelpBrowser>(window, "Topic")->documentTitle();
    return !title.isEmpty() && title != QLatin1String("Page not found");
}

QString PagePath(const QString& local) { return QLatin1Char('/') + local.section('#', 0, 0); }

// The place of a link's text on the browser's viewport.
QPoint LinkPoint(const HelpBrowser& browser, const QString& href) {
    const QTextDocument& document = *browser.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto part = block.begin(); !part.atEnd(); ++part)
            if (part.fragment().charFormat().anchorHref() == href) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(part.fragment().position() + 1);
                return browser.cursorRect(cursor).center();
            }
    qFatal("no link to %s", qPrintable(href));
}

// Whether a modal window blocks the watched window's input, as the window is told.
class BlockWatch final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked)
            Blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            Blocked = false;
        return false;
    }
    bool Blocked = false;
};

void Click(QAbstractItemView& view, const QModelIndex& index) {
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void EveryContentsAndIndexEntryOpensAPageOfTheFile() {
        AnsweringMessages messages;
        HelpWindow window(messages, nullptr);
        window.ShowHelp(HelpFile);
        QVERIFY(window.isVisible());
        QVERIFY(ShowsAPageOfTheFile(window));

        auto* contents = Part<QTreeWidget>(window, "Contents");
        int entries = 0;
        for (QTreeWidgetItemIterator it(contents); *it != nullptr; ++it, ++entries) {
            Click(*contents, contents->indexFromItem(*it));
            const QString local = (*it)->data(0, Qt::UserRole).toString();
            QCOMPARE(window.Topic().path(), PagePath(local));
            QVERIFY2(ShowsAPageOfTheFile(window), qPrintable(local));
        }
        QVERIFY(entries >= 7);

        auto* index = Part<QListWidget>(window, "Index");
        QVERIFY(index->count() > 0);
        for (int row = 0; row < index->count(); ++row) {
            Click(*index, index->model()->index(row, 0));
            const QString local = index->item(row)->data(Qt::UserRole).toString();
            QCOMPARE(window.Topic().path(), PagePath(local));
            QVERIFY2(ShowsAPageOfTheFile(window), qPrintable(local));
        }
        QVERIFY(messages.Shown.isEmpty());
    }

    void ALinkFollowedAndBackReturns() {
        AnsweringMessages messages;
        HelpWindow window(messages, nullptr);
        window.ShowHelp(HelpFile);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* browser = Part<HelpBrowser>(window, "Topic");
        const QUrl home = window.Topic();
        QVERIFY(!Part<QToolButton>(window, "Back")->isEnabled());

        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          LinkPoint(*browser, QStringLiteral("playing.html")));
        QCOMPARE(window.Topic().path(), QStringLiteral("/playing.html"));
        QVERIFY(ShowsAPageOfTheFile(window));

        Part<QToolButton>(window, "Back")->click();
        QCOMPARE(window.Topic(), home);
        Part<QToolButton>(window, "Forward")->click();
        QCOMPARE(window.Topic().path(), QStringLiteral("/playing.html"));
    }

    // The puzzle editor is modal: a help window that is not its own would be blocked for input.
    void HelpAskedFromAModalDialogTakesInput() {
        AnsweringMessages messages;
        QWidget owner;
        QDialog editor(&owner);
        HelpWindow window(messages, &owner);
        BlockWatch watch;
        window.installEventFilter(&watch);
        bool blocked = true;
        QTimer::singleShot(0, &editor, [&] {
            window.ShowHelp(HelpFile);
            blocked = watch.Blocked;
            editor.accept();
        });
        editor.exec();
        QVERIFY(window.isVisible());
        QVERIFY(!blocked);
    }

    void AMissingOrDamagedHelpFileIsReportedAndShowsNoWindow() {
        TempFolder folder;
        std::ifstream source(HelpFile, std::ios::binary);
        const std::string whole((std::istreambuf_iterator<char>(source)), {});
        std::ofstream(folder / "truncated.chm", std::ios::binary)
            << whole.substr(0, whole.size() / 2);
        std::ofstream(folder / "garbage.chm", std::ios::binary) << std::string(4096, 'x');
        std::ofstream(folder / "empty.chm", std::ios::binary);

        for (const char* name : {"missing.chm", "truncated.chm", "garbage.chm", "empty.chm"}) {
            AnsweringMessages messages;
            HelpWindow window(messages, nullptr);
            const std::filesystem::path file = folder / name;
            window.ShowHelp(file);
            QVERIFY2(!window.isVisible(), name);
            QCOMPARE(messages.Shown.size(), 1);
            QVERIFY2(messages.Shown.front().contains(QString::fromStdString(file.string())), name);
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
