// The about box, made when it is first shown. It reads the read-me file and loads a bold face
// of its own, which nothing else shows.
#pragma once

#include "app/deferred_window.h"
#include "library/about.h"
#include "ui/dialog_owner.h"

class DeferredAboutBox final : public DeferredWindow<Tfabout>, public AboutBox {
public:
    using DeferredWindow::DeferredWindow;

    void ShowAbout() override { Made().ShowAbout(); }
    // The box is shared: another window shows it as its own for as long as it shows, and it
    // stays with the window that owns this.
    void ShowOwnedBy(QWidget& window) { ExecOwnedBy(Made(), window); }
};
