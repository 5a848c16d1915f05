// How a window laid out in pixels at 96 dots per inch meets a display of another density: every
// length of the layout grows by dpi/96, fonts take their size in points at the display's density,
// and the board's image, which must stay crisp, is shown at a whole multiple of its pixels.
#pragma once

class DisplayScale {
public:
    static constexpr int DesignedDpi = 96;

    // A density of 0 or less, which a system that cannot tell gives, is taken as the designed one.
    explicit DisplayScale(int dpi = DesignedDpi);

    int Dpi() const { return Dpi_; }
    // A length of the layout, given in pixels at 96 dots per inch, at this density: rounded to
    // the nearest pixel, halves away from zero, so that at 96 every length stays as it is.
    int Length(int designed) const;
    // The height in pixels of text of so many points, rounded as a length is.
    int FontPixels(int points) const;
    // The whole multiple the board's pixels are replicated at: dpi/96 to the nearest whole number,
    // halves up, and never less than 1.
    int BoardZoom() const;

private:
    int Dpi_;
};
