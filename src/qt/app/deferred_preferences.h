// The preferences dialog, made when the player first opens it.
#pragma once

#include "app/deferred_window.h"
#include "appearance/preferences.h"

class DeferredPreferences final : public DeferredWindow<Tfpreferences>, public AppearanceChooser {
public:
    using DeferredWindow::DeferredWindow;

    AppearanceChoice Choose(const AppearanceChoice& current, CellPitch pitch) override {
        return Made().Choose(current, pitch);
    }
};
