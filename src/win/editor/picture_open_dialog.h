// The system's open dialog for pictures, with a preview of the selected picture and its size beside
// the list of files.
#pragma once

#include "editor/picture_chooser.h"
#include "editor/picture_import.h"

#include <functional>
#include <optional>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The preview's controls in the part the dialog adds to the system's, by their identifiers.
namespace PictureOpenControl {
constexpr int PreviewImage = 1001;
constexpr int PreviewSize = 1002;
} // namespace PictureOpenControl

class PictureOpenDialog final : public PictureChooser {
public:
    explicit PictureOpenDialog(HWND owner);

    std::filesystem::path OpenPictureName(std::string_view filter) override;

    // The part holding the preview while the dialog is shown; null otherwise.
    HWND PreviewPanel() const { return Panel; }

private:
    // The dialog's messages to the part it adds: its making, the selection's changes, and the
    // preview's drawing.
    static UINT_PTR CALLBACK Hook(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
    // Shows the picture with its size in pixels; a file that is no bitmap leaves the preview
    // empty, and one too large for the grid says so.
    void ShowPreview(const std::filesystem::path& path);
    void DrawPreview(const DRAWITEMSTRUCT& item) const;

    HWND Owner;
    HWND Panel = nullptr;
    std::optional<PixelPicture> Shown;
};
