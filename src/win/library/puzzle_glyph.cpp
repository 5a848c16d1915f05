#include "library/puzzle_glyph.h"

#include <algorithm>

namespace {

// A top-down 32-bit DIB holds pixels in the order the core draws them.
HBITMAP GlyphBitmap(PuzzleGlyphShade shade) {
    const PixelImage picture = PuzzleGlyphPicture(shade);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = picture.Width;
    format.bmiHeader.biHeight = -picture.Height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr)
        std::copy(picture.Pixels.begin(), picture.Pixels.end(), static_cast<Pixel*>(bits));
    return bitmap;
}

} // namespace

HIMAGELIST PuzzleGlyphs(std::initializer_list<PuzzleGlyphShade> shades) {
    const HIMAGELIST list = ImageList_Create(PuzzleGlyphSide, PuzzleGlyphSide, ILC_COLOR32,
                                             static_cast<int>(shades.size()), 0);
    for (const PuzzleGlyphShade shade : shades) {
        const HBITMAP bitmap = GlyphBitmap(shade);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return list;
}
