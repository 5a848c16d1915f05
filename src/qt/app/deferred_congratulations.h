// The congratulations, made when the player first solves a puzzle.
#pragma once

#include "app/deferred_window.h"
#include "library/congrats.h"

class DeferredCongratulations final : public DeferredWindow<Tfcongrats>,
                                      public CongratulationsDialog {
public:
    using DeferredWindow::DeferredWindow;

    bool Congratulate(const QString& text) override { return Made().Congratulate(text); }
};
