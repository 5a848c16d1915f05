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
    const BITMAPINFO layout = TopDownLayout(image.Width, image.Height);
    // Only the part shown is converted and sent, so a press costs its box alone. The source
    // rectangle counts rows from the foot of the picture, top-down layout or not.
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    StretchDIBits(dc, shown.left, shown.top, width, height, shown.left - origin.x,
                  whole.bottom - shown.bottom, width, height, image.Pixels.data(), &layout,
                  DIB_RGB_COLORS, SRCCOPY);
    return shown;
}
