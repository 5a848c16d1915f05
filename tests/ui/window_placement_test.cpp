// Where windows open on a desktop whose window manager frames them: in the middle of the screen,
// frame included, and in the same place at every showing.
#include "editor/editor_harness.h"
#include "game/fileinfo.h"
#include "help/help_window.h"

#include <QScreen>
#include <QTest>

namespace {

// Where the window manager put the client area of one showing.
QRect ShownClientArea(QWidget& window) {
    window.show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(&window)); }();
    QCoreApplication::processEvents();
    const QRect client = window.geometry();
    window.hide();
    QCoreApplication::processEvents();
    return client;
}

// Framed with the owner's title bar and border, the window is centred to the pixel, but for
// half a resize handle below it.
bool CentredOnScreen(const QRect& client, const QWidget& owner) {
    const QRect ownerFrame = owner.frameGeometry();
    const QRect ownerClient = owner.geometry();
    const int border = ownerClient.left() - ownerFrame.left();
    const QRect frame = client.adjusted(-border, ownerFrame.top() - ownerClient.top(), border,
                                        border);
    const QPoint offset = frame.center() - owner.screen()->availableGeometry().center();
    return std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 3;
}

} // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void DialogsAndTheEditorOpenCentredInTheSamePlaceEveryTime() {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QTRY_VERIFY(owner.frameGeometry() != owner.geometry());

        Tffileinfo dialog(&owner);
        EditorHarness harness;
        const std::unique_ptr<Tffeditor> editor = harness.Create();
        editor->setParent(&owner, editor->windowFlags());
        for (QWidget* window : std::initializer_list<QWidget*>{&dialog, editor.get()}) {
            const QRect first = ShownClientArea(*window);
            QVERIFY2(CentredOnScreen(first, owner), window->metaObject()->className());
            QCOMPARE(ShownClientArea(*window), first);
        }

        // The help window is placed once; later it stays where it was left.
        HelpWindow help(harness.Messages, &owner);
        help.ShowHelp(QUORVANE_HELP_FILE);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCoreApplication::processEvents();
        QVERIFY(CentredOnScreen(help.geometry(), owner));
        help.close();
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
