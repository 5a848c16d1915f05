// A 32-bit image owned by whoever shows it: each pixel 0xFFRRGGBB, rows top to bottom with no
// padding, the layout of both a Qt RGB32 image and a top-down 32-bit Windows DIB.
#pragma once

#include "appearance/colour_scheme.h"
#include "base/pixel_rect.h"

#include <cstdint>
#include <vector>

using Pixel = std::uint32_t;

// The pixel of a Windows colour value (0x00BBGGRR).
constexpr Pixel PixelOf(ColourValue colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    return 0xFF000000u | (value & 0xFFu) << 16 | (value & 0xFF00u) | (value >> 16 & 0xFFu);
}

struct PixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<Pixel> Pixels;

    // A new size keeps no pixel; the same size keeps them all and allocates nothing.
    void Resize(int width, int height) {
        if (width == Width && height == Height)
            return;
        Width = width;
        Height = height;
        Pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    }
    Pixel At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    Pixel* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width; }
    // Fills the part of the rectangle inside the image.
    void Fill(const PixelRect& rect, Pixel pixel) {
        const int left = std::max(rect.Left, 0);
        const int right = std::min(rect.Right, Width);
        for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, Height); ++y)
            std::fill(Row(y) + left, Row(y) + std::max(left, right), pixel);
    }
    bool operator==(const PixelImage&) const = default;
};
