// The editor's picture dialog, made when a picture is first asked for. A file dialog lists and
// watches its folder, and looks up the type of every file in it, from the moment it is made;
// most runs never import a picture.
#pragma once

#include "app/deferred_window.h"
#include "editor/picture_open_dialog.h"

class DeferredPictureDialog final : public DeferredWindow<PictureOpenDialog>,
                                    public PictureChooser {
public:
    explicit DeferredPictureDialog(QWidget& owner)
        : DeferredWindow(owner, [](QWidget& parent) { return new PictureOpenDialog(&parent); }) {}

    // Made once and kept, so each showing starts in the folder the last one ended in.
    std::filesystem::path OpenPictureName(const QString& filter) override {
        return Made().OpenPictureName(filter);
    }
};
