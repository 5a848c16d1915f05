// The puzzle information dialog with the modal wait answered by the test.
#pragma once

#include "editor/puzzleinfo.h"

#include <QSpinBox>
#include <functional>

// The real dialog, filled and taken back as usual; only the modal wait is the test's, which may
// change the controls before it answers.
class AnsweringPuzzleInfo final : public Tfpuzzleinfo {
public:
    int exec() override {
        ++Shown;
        if (Change)
            Change(*this);
        return Ok ? QDialog::Accepted : QDialog::Rejected;
    }
    void SetSize(int width, int height) {
        findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(width);
        findChild<QSpinBox*>(QStringLiteral("SpinEdit2"))->setValue(height);
    }
    bool Ok = true;
    int Shown = 0;
    std::function<void(AnsweringPuzzleInfo&)> Change;
};
