// A 32-bit top-down DIB section: its rows lie as a PixelImage's do, so the core's drawing copies
// straight in.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>

struct DibSection {
    HBITMAP Bitmap = nullptr;
    std::uint32_t* Bits = nullptr;
};

// Null members when the system refuses the size.
DibSection CreateDibSection(int width, int height);
// The layout of 32-bit pixels in rows from the top, as a PixelImage holds them.
BITMAPINFO TopDownLayout(int width, int height);
