// The editor's picture dialog, made when a picture is first asked for. A file dialog lists and
// watches its folder, and looks up the type of every file in it, from the moment it is made;
// most runs never import a picture.
#pragma once

#include "editor/picture_open_dialog.h"

class DeferredPictureDialog final : public QObject, public PictureChooser {
public:
    // The dialog, once made, belongs to the owner, as this does.
    explicit DeferredPictureDialog(QWidget& owner) : QObject(&owner), Owner(owner) {}

    std::filesystem::path OpenPictureName(const QString& filter) override {
        // Made once and kept, so each showing starts in the folder the last one ended in.
        if (Dialog == nullptr)
            Dialog = new PictureOpenDialog(&Owner);
        return Dialog->OpenPictureName(filter);
    }

private:
    QWidget& Owner;
    PictureOpenDialog* Dialog = nullptr;
};
