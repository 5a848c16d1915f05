#include "board/display_scale.h"

#include <algorithm>
#include <cstdint>

namespace {

// value × numerator / denominator rounded to the nearest, halves away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

} // namespace

DisplayScale::DisplayScale(int dpi) : Dpi_(dpi > 0 ? dpi : DesignedDpi) {}

int DisplayScale::Length(int designed) const {
    return ScaleRounded(designed, Dpi_, DesignedDpi);
}

int DisplayScale::FontPixels(int points) const {
    return ScaleRounded(points, Dpi_, 72);
}

int DisplayScale::BoardZoom() const {
    return std::max(1, (Dpi_ + DesignedDpi / 2) / DesignedDpi);
}
