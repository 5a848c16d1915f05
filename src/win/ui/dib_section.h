// A 32-bit top-down DIB section: its rows lie as a PixelImage's do, so the core's drawing copies
// straight in.
#pragma once

#include <cstdint>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

struct DibSection {
    HBITMAP Bitmap = nullptr;
    std::uint32_t* Bits = nullptr;
};

// Null members when the system refuses the size.
DibSection CreateDibSection(int width, int height);
// The layout of 32-bit pixels in rows from the top, as a PixelImage holds them.
BITMAPINFO TopDownLayout(int width, int height);

struct PixelImage;

// Blits the part of the image that falls inside `area` (device points) with the image's top-left
// corner at `origin`, straight from its pixels, each pixel replicated into a zoom × zoom square,
// never smoothed; the rest of the device is left alone. Returns the rectangle drawn, empty when
// the image lies outside the area.
RECT BlitImage(HDC dc, const PixelImage& image, POINT origin, const RECT& area, int zoom = 1);
