// A 32-bit image owned by whoever shows it: each pixel 0xFFRRGGBB, rows top to bottom with no
// padding, the layout of both a Qt RGB32 image and a top-down 32-bit Windows DIB.
#pragma once

#include "appearance/colour_scheme.h"
#include "base/pixel_rect.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

using Pixel = std::uint32_t;

// Leaves the elements a vector grows by unset rather than cleared. An image sized for a drawing of
// every pixel would otherwise be written twice, and memory just obtained from the system touched
// page by page before the drawing touches it again.
template <class T> struct UnsetAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = UnsetAllocator<U>; };
    UnsetAllocator() = default;
    template <class U> UnsetAllocator(const UnsetAllocator<U>&) noexcept {}
    template <class U> void construct(U* element) noexcept {
        ::new (static_cast<void*>(element)) U;
    }
    template <class U, class... Arguments> void construct(U* element, Arguments&&... arguments) {
        ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
    }
};

// The pixel of a Windows colour value (0x00BBGGRR).
constexpr Pixel PixelOf(ColourValue colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    return 0xFF000000u | (value & 0xFFu) << 16 | (value & 0xFF00u) | (value >> 16 & 0xFFu);
}

struct PixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<Pixel, UnsetAllocator<Pixel>> Pixels;

    // A new size clears every pixel to 0; the same size keeps them all and allocates nothing.
    void Resize(int width, int height) {
        if (width == Width && height == Height)
            return;
        Width = width;
        Height = height;
        Pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    }
    // For a drawing of every pixel: the pixels are left as they were, unset where the image grows,
    // and the memory is kept, so an image that once held a larger size takes a smaller one and
    // grows back without asking the system for memory. Growing past what it holds takes a new
    // block, whose pages the drawing is the first to touch.
    void Reshape(int width, int height) {
        const std::size_t count =
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (count > Pixels.capacity()) {
            // The old block goes before the new one comes, and none of its pixels is copied.
            decltype(Pixels)().swap(Pixels);
            Pixels.reserve(count);
        }
        Pixels.resize(count);
        Width = width;
        Height = height;
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
