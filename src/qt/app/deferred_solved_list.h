// The list of solved puzzles, made when the player first asks for it.
#pragma once

#include "app/deferred_window.h"
#include "library/completed.h"

class DeferredSolvedList final : public DeferredWindow<Tfcompleted>, public SolvedPuzzlesList {
public:
    using DeferredWindow::DeferredWindow;

    void ShowList() override { Made().ShowList(); }
};
