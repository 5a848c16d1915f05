// The picture-open dialog as a user types into it: the preview follows a typed name, and the
// name's completion list goes with the dialog.
#include "editor/picture_open_dialog.h"
#include "support/temp_folder.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class PictureOpenDialogTest : public QObject {
    Q_OBJECT

private slots:
    void TypedNameIsPreviewedAndItsCompletionListClosesWithTheDialog() {
        TempFolder folder;
        QImage(20, 15, QImage::Format_RGB32).save(QString::fromStdString((folder / "figure.bmp").string()));
        QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString((folder / "final.bmp").string()));
        PictureOpenDialog dialog;
        dialog.setDirectory(QString::fromStdString(folder.Path().string()));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setFocus();
        // The folder is listed on a thread of its own, and names typed before it is listed have
        // nothing to complete from: wait for both pictures, however slow the machine.
        const auto* files = dialog.findChild<QFileSystemModel*>();
        QVERIFY(files != nullptr);
        const QModelIndex shown = files->index(QString::fromStdString(folder.Path().string()));
        QTRY_COMPARE_WITH_TIMEOUT(files->rowCount(shown), 2, 60000);

        QTest::keyClicks(name, QStringLiteral("fi"));
        const QAbstractItemView* popup = name->completer()->popup();
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 60000);
        QTest::keyClicks(name, QStringLiteral("gure.bmp"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("PreviewSize"))->text(),
                 QStringLiteral("20 x 15"));

        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!popup->isVisible());
    }
};

QTEST_MAIN(PictureOpenDialogTest)
#include "picture_open_dialog_test.moc"
