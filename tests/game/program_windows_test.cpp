// The program's windows as start-up makes them: a dialog is made when the player first opens it,
// and belongs to the window that opens it, so a window manager keeps the window in use in front.
#include "app/program_windows.h"
#include "editor/picture_open_dialog.h"
#include "support/mainform_harness.h"
#include "ui/message_boxes.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

// The parent of the modal window on top once the call has put one up, which is then closed.
QWidget* OwnerOfNextModal(const std::function<void()>& show) {
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        owner = modal->parentWidget();
        modal->close();
    });
    show();
    return owner;
}

} // namespace

class ProgramWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void DialogsAreMadeWhenFirstOpenedAndBelongToTheMainWindow() {
        MainformHarness h;
        MessageBoxes boxes;
        ProgramWindows windows(
            {h.Registry, h.Fonts, h.Waits, h.Splash, boxes, h.Time, h.Files, h.Folder.Path(), {}});
        Tfmainform& mainform = *windows.Mainform;
        // Nothing the player has not asked for is made with the main window. A file dialog, for
        // one, lists and watches its folder as soon as it is made.
        QVERIFY(mainform.findChild<QFileDialog*>() == nullptr);
        QVERIFY(mainform.findChild<Tfabout*>() == nullptr);
        QVERIFY(mainform.findChild<Tfpreferences*>() == nullptr);
        QVERIFY(mainform.findChild<Tfnewgame*>() == nullptr);
        QVERIFY(mainform.findChild<Tffeditor*>() == nullptr);
        QVERIFY(mainform.findChild<Tfcongrats*>() == nullptr);
        QVERIFY(mainform.findChild<Tfcompleted*>() == nullptr);
        QCOMPARE(windows.FileInfo->parentWidget(), &mainform);

        // Each dialog the main window opens comes up as its own.
        for (const char* command : {"About1", "Preferences1", "StartanewGame1", "SolvedPuzzles1"})
            QCOMPARE(OwnerOfNextModal([&] { Control<QAction>(mainform, command)->trigger(); }),
                     &mainform);
        QCOMPARE(OwnerOfNextModal([&] { windows.Congrats->Congratulate(QStringLiteral("Done")); }),
                 &mainform);
        QCOMPARE(windows.Editor->Made().parentWidget(), &mainform);
    }

    void DialogsOpenedFromTheEditorBelongToIt() {
        MainformHarness h;
        MessageBoxes boxes;
        ProgramWindows windows(
            {h.Registry, h.Fonts, h.Waits, h.Splash, boxes, h.Time, h.Files, h.Folder.Path(), {}});
        Tfmainform& mainform = *windows.Mainform;
        Tffeditor* editor = &windows.Editor->Made();
        QCOMPARE(editor->parentWidget(), &mainform);
        QCOMPARE(windows.PuzzleInfo->parentWidget(), editor);

        // The editor is up, modal, as the main window opens it.
        editor->setWindowModality(Qt::ApplicationModal);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QCOMPARE(OwnerOfNextModal(
                     [&] { editor->findChild<QAction*>(QStringLiteral("About1"))->trigger(); }),
                 editor);
        // The about box is shared: the one the main window showed, and still its own.
        const QList<Tfabout*> aboutBoxes = mainform.findChildren<Tfabout*>();
        QCOMPARE(aboutBoxes.size(), 1);
        QCOMPARE(aboutBoxes.front()->parentWidget(), &mainform);
        // Import is enabled here as a grid on show would enable it.
        auto* import = editor->findChild<QAction*>(QStringLiteral("ImportFromBitmap1"));
        import->setEnabled(true);
        QCOMPARE(OwnerOfNextModal([&] { import->trigger(); }), editor);
        QVERIFY(qobject_cast<PictureOpenDialog*>(editor->findChild<QFileDialog*>()) != nullptr);

        // A damaged file's message box.
        const std::filesystem::path damaged = h.Folder / "damaged.qvf";
        h.Files.Answers = {damaged};
        std::ofstream(damaged) << "no puzzle";
        QCOMPARE(OwnerOfNextModal(
                     [&] { editor->findChild<QAction*>(QStringLiteral("Open1"))->trigger(); }),
                 editor);
    }
};

QTEST_MAIN(ProgramWindowsTest)
#include "program_windows_test.moc"
