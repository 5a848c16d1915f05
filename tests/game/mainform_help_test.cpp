// The main window's help and about commands reach their viewer and box.
#include "library/about.h"
#include "support/mainform_harness.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

class MainformHelpTest : public QObject {
    Q_OBJECT

private slots:
    void ContentsF1AndTheHelpButtonShowTheHelpFile() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        mainform->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainform.get()));

        Control<QAction>(*mainform, "Contents1")->trigger();
        QTest::keyClick(mainform.get(), Qt::Key_F1);
        Control<QToolButton>(*mainform, "SpeedButton6")->click();
        const std::filesystem::path help = harness.Folder / "Help" / "Quorvane.chm";
        QCOMPARE(harness.Help.Shown, (std::vector<std::filesystem::path>{help, help, help}));
    }

    void AboutShowsTheAboutBox() {
        MainformHarness harness;
        auto mainform = harness.Create();
        auto* about = mainform->findChild<Tfabout*>();
        bool shown = false;
        QTimer::singleShot(0, about, [&] {
            shown = about->isVisible();
            about->accept();
        });
        Control<QAction>(*mainform, "About1")->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(MainformHelpTest)
#include "mainform_help_test.moc"
