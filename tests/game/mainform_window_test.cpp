// The main window as it opens before any puzzle is loaded.
#include "game/mainform.h"

#include <QTest>

class MainformWindowTest : public QObject {
    Q_OBJECT

private slots:
    void OpensWithBetaCaptionAndDesignedClientSize() {
        Tfmainform mainform;
        mainform.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainform));
        QCOMPARE(mainform.windowTitle(), QStringLiteral("Quorvane [BETA]"));
        QCOMPARE(mainform.centralWidget()->size(), QSize(627, 419));
    }
};

QTEST_MAIN(MainformWindowTest)
#include "mainform_window_test.moc"
