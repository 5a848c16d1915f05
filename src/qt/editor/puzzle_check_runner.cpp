// Runs Check Puzzle off the GUI thread for one window, with a busy cursor and Escape to cancel.
#include "editor/puzzle_check_runner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

PuzzleCheckRunner::PuzzleCheckRunner(QWidget* window) : QObject(window), Window(window) {}

PuzzleCheckRunner::~PuzzleCheckRunner() {
    Cancel();
}

void PuzzleCheckRunner::Start(const PuzzleRecord& puzzle) {
    Cancel();
    const std::uint64_t run = ++Runs;
    CancelFlag = false;
    Running_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Escape goes to whichever widget of the window has the focus, so it is watched for the whole
    // application while a check runs.
    QCoreApplication::instance()->installEventFilter(this);
    Worker = std::thread([this, run, puzzle] {
        const PuzzleCheckResult result = CheckPuzzle(puzzle, &CancelFlag);
        QMetaObject::invokeMethod(
            this, [this, run, result] { Deliver(run, result); }, Qt::QueuedConnection);
    });
}

void PuzzleCheckRunner::Cancel() {
    if (!Running_)
        return;
    CancelFlag = true;
    ++Runs;
    Stop();
}

void PuzzleCheckRunner::Stop() {
    // A cancelled solver stops within one line solve, and a finished worker has only its post
    // left to make, so the join does not hold up the GUI thread.
    Worker.join();
    Running_ = false;
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

void PuzzleCheckRunner::Deliver(std::uint64_t run, const PuzzleCheckResult& result) {
    if (run != Runs || !Running_)
        return;
    Stop();
    emit Finished(result);
}

bool PuzzleCheckRunner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == Window) {
        Cancel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
