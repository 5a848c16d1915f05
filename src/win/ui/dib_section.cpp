#include "ui/dib_section.h"

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
