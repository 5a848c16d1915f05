#include "ui/dib_section.h"

#include "render/pixel_image.h"

BITMAPINFO TopDownLayout(int width, int height) {
    BITMAPINFO layout{};
    layout.bmiHeader.biSize = sizeof(layout.bmiHeader);
    layout.bmiHeader.biWidth = width;
    layout.bmiHeader.biHeight = -height; // rows top to bottom
    layout.bmiHeader.biPlanes = 1;
    layout.bmiHeader.biBitCount = 32;
    layout.bmiHeader.biCompression = BI_RGB;
    return layout;
}

DibSection CreateDibSection(int width, int height) {
    const BITMAPINFO info = TopDownLayout(width, height);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return {};
    return {bitmap, static_cast<std::uint32_t*>(bits)};
}

RECT BlitImage(HDC dc, const PixelImage& image, POINT origin, const RECT& area) {
    const RECT whole{origin.x, origin.y, origin.x + image.Width, origin.y + image.Height};
    RECT shown{};
    if (!IntersectRect(&shown, &whole, &area))
        return {};
    // Only the part shown is converted and sent, so a press costs its box alone. The rows shown
    // are handed over as a picture of their own: where the source rectangle covers every row,
    // counting rows from the top or from the foot comes to the same, and systems differ there.
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    const BITMAPINFO layout = TopDownLayout(image.Width, height);
    const Pixel* firstRow =
        image.Pixels.data() + static_cast<std::size_t>(shown.top - origin.y) * image.Width;
    StretchDIBits(dc, shown.left, shown.top, width, height, shown.left - origin.x, 0, width,
                  height, firstRow, &layout, DIB_RGB_COLORS, SRCCOPY);
    return shown;
}
