// A rectangle of pixels, right and bottom exclusive.
#pragma once

#include <algorithm>

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    // The smallest rectangle holding both; an empty one adds nothing.
    PixelRect United(const PixelRect& other) const {
        if (other.Empty())
            return *this;
        if (Empty())
            return other;
        return {std::min(Left, other.Left), std::min(Top, other.Top),
                std::max(Right, other.Right), std::max(Bottom, other.Bottom)};
    }
    bool operator==(const PixelRect&) const = default;
};
