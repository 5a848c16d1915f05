// The preferences dialog's preview: the top of a picture in the core's pixels, inside a sunken
// edge, never scrolled.
#pragma once

#include "render/pixel_image.h"
#include "ui/window.h"

class PreviewBox : public Window {
public:
    // A child of the parent whose client area, inside its one-pixel edge, is width x height at
    // (x, y) of the parent's client area.
    PreviewBox(HWND parent, int id, int x, int y, int width, int height);

    // Shows the image from its top-left corner, cut to the box; the image stays the caller's and
    // must outlive its showing.
    void ShowImage(const PixelImage& image);

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    const PixelImage* Image = nullptr;
};
