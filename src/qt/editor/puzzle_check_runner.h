// Runs Check Puzzle off the GUI thread for one window, with a busy cursor and Escape to cancel.
#pragma once

#include "editor/puzzle_check.h"

#include <QObject>
#include <atomic>
#include <cstdint>
#include <thread>

class QWidget;

// The check reads its own copy of the puzzle, so the window may go on editing; Finished reports on
// the picture the check was started with. A cancelled check reports nothing.
class PuzzleCheckRunner : public QObject {
    Q_OBJECT

public:
    explicit PuzzleCheckRunner(QWidget* window);
    ~PuzzleCheckRunner() override;

    // Cancels a check still running, then checks a copy of the puzzle.
    void Start(const PuzzleRecord& puzzle);
    // Stops the running check without a report; it returns within one line solve.
    void Cancel();
    bool Running() const { return Running_; }

signals:
    void Finished(const PuzzleCheckResult& result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Deliver(std::uint64_t run, const PuzzleCheckResult& result);
    // Joins the worker and takes away the busy cursor and the Escape filter.
    void Stop();

    QWidget* Window;
    std::thread Worker;
    std::atomic<bool> CancelFlag = false;
    std::uint64_t Runs = 0; // counts starts and cancels, so a stale report is recognised
    bool Running_ = false;
};
