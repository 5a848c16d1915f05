#include "ui/dib_section.h"

#include "render/pixel_image.h"

#include <algorithm>

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

RECT BlitImage(HDC dc, const PixelImage& image, POINT origin, const RECT& area, int zoom) {
    const int z = std::max(1, zoom);
    const RECT whole{origin.x, origin.y, origin.x + image.Width * z, origin.y + image.Height * z};
    RECT shown{};
    if (!IntersectRect(&shown, &whole, &area))
        return {};
    // The image pixels whose squares the shown part touches, whole.
    const int left = (shown.left - origin.x) / z;
    const int top = (shown.top - origin.y) / z;
    const int right = (shown.right - origin.x + z - 1) / z;
    const int bottom = (shown.bottom - origin.y + z - 1) / z;
    // Only the part shown is converted and sent, so a press costs its box alone. The rows shown
    // are handed over as a picture of their own: where the source rectangle covers every row,
    // counting rows from the top or from the foot comes to the same, and systems differ there.
    const int width = right - left;
    const int height = bottom - top;
    const BITMAPINFO layout = TopDownLayout(image.Width, height);
    const Pixel* firstRow = image.Pixels.data() + static_cast<std::size_t>(top) * image.Width;
    // Squares cut by the area's edge are drawn whole but shown only inside it.
    const int saved = z > 1 ? SaveDC(dc) : 0;
    if (z > 1) {
        IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
        SetStretchBltMode(dc, COLORONCOLOR);
    }
    StretchDIBits(dc, origin.x + left * z, origin.y + top * z, width * z, height * z, left, 0,
                  width, height, firstRow, &layout, DIB_RGB_COLORS, SRCCOPY);
    if (z > 1)
        RestoreDC(dc, saved);
    return shown;
}
