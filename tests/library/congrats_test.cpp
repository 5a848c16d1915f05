// The congratulations dialog: its text, the tick it shows every time, and what closing returns.
#include "library/congrats.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Runs the step once the modal dialog is up; a step that leaves the dialog open (a failed check
// included) has it closed, so the test's Congratulate call returns and the test goes on.
void WhenShown(Tfcongrats& dialog, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        QVERIFY(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
}

} // namespace

class CongratsTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheTextTickedAndReturnsTheTickOnClosing() {
        Tfcongrats dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Puzzle Solved"));
        auto* text = dialog.findChild<QLabel*>(QStringLiteral("StaticText1"));
        auto* tick = dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(text && tick && close);
        QCOMPARE(tick->text(), QStringLiteral("Register this puzzle as solved."));

        bool tickedWhenShown = false;
        WhenShown(dialog, [&] {
            tickedWhenShown = tick->isChecked();
            QCOMPARE(text->text(), QStringLiteral("Well done"));
            tick->setChecked(false);
            close->click();
        });
        QVERIFY(!dialog.Congratulate(QStringLiteral("Well done")));
        QVERIFY(tickedWhenShown);

        // The tick is back at the next showing, whatever the player chose before; the close box
        // counts like Close.
        WhenShown(dialog, [&] {
            tickedWhenShown = tick->isChecked();
            dialog.close();
        });
        QVERIFY(dialog.Congratulate(QStringLiteral("Again")));
        QVERIFY(tickedWhenShown);
        QCOMPARE(dialog.size(), QSize(370, 107));
    }

    // Every dialog of the program sets up its frame the same way: each showing puts it in the
    // middle of its owner's screen, not over the owner, and not where it was moved to before.
    void ShownCentredOnTheOwnersScreen() {
        QWidget owner;
        owner.setGeometry(20, 30, 200, 100);
        owner.show();
        const QRect area = owner.screen()->availableGeometry();
        QVERIFY(!owner.frameGeometry().contains(area.center()));
        Tfcongrats dialog(&owner);

        QPoint centre;
        WhenShown(dialog, [&] {
            centre = dialog.frameGeometry().center();
            dialog.move(area.topLeft());
        });
        dialog.Congratulate(QStringLiteral("Well done"));
        QCOMPARE(centre, area.center());
        WhenShown(dialog, [&] { centre = dialog.frameGeometry().center(); });
        dialog.Congratulate(QStringLiteral("Again"));
        QCOMPARE(centre, area.center());
    }
};

QTEST_MAIN(CongratsTest)
#include "congrats_test.moc"
