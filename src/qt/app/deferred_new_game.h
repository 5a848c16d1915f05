// The new-game browser, made when the player first starts a new game.
#pragma once

#include "app/deferred_window.h"
#include "library/newgame.h"

class DeferredNewGame final : public DeferredWindow<Tfnewgame>, public PuzzleChooser {
public:
    using DeferredWindow::DeferredWindow;

    std::optional<std::filesystem::path> ChooseFrom(const std::filesystem::path& folder) override {
        return Made().ChooseFrom(folder);
    }
    std::filesystem::path ShownFolder() const override { return Made().ShownFolder(); }
};
