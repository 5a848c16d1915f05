// Drawing the library's puzzle glyph.
#include "library/glyph_picture.h"

#include <array>

namespace {

constexpr int CellStep = 5; // four pixels of cell and one of rule

// The cells drawn filled, as column and row; the centre cell stays the card's colour.
constexpr std::array<std::array<int, 2>, 4> FilledCells{{{0, 0}, {2, 0}, {1, 2}, {2, 2}}};

PixelRect CellRect(int column, int row) {
    const int left = 1 + column * CellStep;
    const int top = 1 + row * CellStep;
    return {left, top, left + CellStep - 1, top + CellStep - 1};
}

} // namespace

PixelImage PuzzleGlyphPicture(PuzzleGlyphShade shade) {
    const bool colour = shade == PuzzleGlyphShade::Colour;
    const Pixel card = colour ? 0xFFFFDC00u : 0xFFC0C0C0u;
    const Pixel ink = colour ? 0xFF806000u : 0xFF606060u;

    PixelImage picture;
    picture.Resize(PuzzleGlyphSide, PuzzleGlyphSide);
    picture.Fill({0, 0, PuzzleGlyphSide, PuzzleGlyphSide}, ink);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            picture.Fill(CellRect(column, row), card);
    for (const auto& [column, row] : FilledCells)
        picture.Fill(CellRect(column, row), ink);
    return picture;
}
