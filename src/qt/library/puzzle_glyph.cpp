// Drawing the library's puzzle glyph.
#include "library/puzzle_glyph.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace {

constexpr int GlyphSide = 16;
constexpr int CellStep = 5; // four pixels of cell and one of rule

// The cells drawn filled, as column and row; the centre cell stays the card's colour.
constexpr std::array<std::array<int, 2>, 4> FilledCells{{{0, 0}, {2, 0}, {1, 2}, {2, 2}}};

} // namespace

QIcon PuzzleGlyph(PuzzleGlyphShade shade) {
    const bool colour = shade == PuzzleGlyphShade::Colour;
    const QColor card = colour ? QColor(255, 220, 0) : QColor(192, 192, 192);
    const QColor ink = colour ? QColor(128, 96, 0) : QColor(96, 96, 96);

    QPixmap picture(GlyphSide, GlyphSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(0, 0, GlyphSide, GlyphSide, ink);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            painter.fillRect(1 + column * CellStep, 1 + row * CellStep, CellStep - 1, CellStep - 1,
                             card);
    for (const auto& [column, row] : FilledCells)
        painter.fillRect(1 + column * CellStep, 1 + row * CellStep, CellStep - 1, CellStep - 1,
                         ink);
    painter.end();
    return QIcon(picture);
}
