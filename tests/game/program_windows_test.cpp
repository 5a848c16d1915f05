// The program's windows as start-up makes them: every dialog is there from the start and belongs
// to the window that opens it, so a window manager keeps the window in use in front.
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
    void DialogsOpenedFromTheEditorBelongToIt() {
        MainformHarness h;
        MessageBoxes boxes;
        ProgramWindows windows(
            {h.Registry, h.Fonts, h.Waits, h.Splash, boxes, h.Time, h.Files, h.Folder.Path(), {}});
        Tffeditor* editor = windows.Editor;
        QCOMPARE(windows.PuzzleInfo->parentWidget(), editor);
        // A file dialog lists and watches its folder as soon as it is made: none is made before
        // the player asks for one.
        QVERIFY(windows.Mainform->findChild<QFileDialog*>() == nullptr);
        for (QWidget* dialog : std::initializer_list<QWidget*>{
                 windows.About, windows.Preferences, windows.FileInfo, windows.NewGame,
                 windows.Congrats, windows.Completed, editor})
            QCOMPARE(dialog->parentWidget(), windows.Mainform.get());

        // The editor is up, modal, as the main window opens it.
        editor->setWindowModality(Qt::ApplicationModal);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QCOMPARE(OwnerOfNextModal(
                     [&] { editor->findChild<QAction*>(QStringLiteral("About1"))->trigger(); }),
                 editor);
        QCOMPARE(windows.About->parentWidget(), windows.Mainform.get());
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
