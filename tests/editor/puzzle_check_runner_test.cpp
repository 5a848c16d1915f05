// The check off the GUI thread: the report is on the picture the check started with, a newer start
// replaces an older one, and Cancel or Escape ends a check with no report and no busy cursor.
#include "editor/puzzle_check_runner.h"
#include "support/puzzle_pictures.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>

namespace {

// Two pictures fit its clues; they differ in four cells.
const std::vector<std::string> Ambiguous = {".#..##", "##.#..", ".#.#..", "#.....", "#..#.#"};
const std::vector<std::string> LineSolvable = {".###.", "#...#", "#####", "#...#"};

PuzzleCheckResult Reported(const QSignalSpy& spy) {
    return spy.at(0).at(0).value<PuzzleCheckResult>();
}

} // namespace

class PuzzleCheckRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void ReportIsOnThePictureTheCheckStartedWith() {
        QDialog window;
        PuzzleCheckRunner runner(&window);
        QSignalSpy finished(&runner, &PuzzleCheckRunner::Finished);
        PuzzleRecord puzzle = PuzzleFromPicture(Ambiguous);
        runner.Start(puzzle);
        puzzle = PuzzleFromPicture(LineSolvable);
        QVERIFY(runner.Running());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

        QVERIFY(finished.wait());
        QCOMPARE(Reported(finished).Verdict, CheckVerdict::Several);
        QCOMPARE(Reported(finished).Differences.size(), 4U);
        QVERIFY(!runner.Running());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void NewerStartReplacesTheRunningCheck() {
        QDialog window;
        PuzzleCheckRunner runner(&window);
        QSignalSpy finished(&runner, &PuzzleCheckRunner::Finished);
        runner.Start(PuzzleFromPicture(Ambiguous));
        runner.Start(PuzzleFromPicture(LineSolvable));
        QVERIFY(finished.wait());
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(Reported(finished).Verdict, CheckVerdict::UniqueByLines);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The worker has always posted its result by the time Cancel returns, so processing events
    // afterwards would deliver a report that was not dropped.
    void CancelAndEscapeEndTheCheckWithoutAReport() {
        QDialog window;
        QWidget* focused = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PuzzleCheckRunner runner(&window);
        QSignalSpy finished(&runner, &PuzzleCheckRunner::Finished);

        runner.Start(PuzzleFromPicture(Ambiguous));
        runner.Cancel();
        QVERIFY(!runner.Running());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        runner.Start(PuzzleFromPicture(Ambiguous));
        QTest::keyClick(focused, Qt::Key_Escape);
        QVERIFY(!runner.Running());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(window.isVisible()); // the Escape went to the check, not to the dialog

        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 0);
    }
};

QTEST_MAIN(PuzzleCheckRunnerTest)
#include "puzzle_check_runner_test.moc"
