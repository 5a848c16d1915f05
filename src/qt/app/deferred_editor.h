// The puzzle editor, made with its own dialogs when the player first opens it.
#pragma once

#include "app/deferred_window.h"
#include "editor/feditor.h"

class DeferredEditor final : public DeferredWindow<Tffeditor>, public PuzzleEditor {
public:
    using DeferredWindow::DeferredWindow;

    void Edit(const EditorSettings& settings) override { Made().Edit(settings); }
};
