// A game, a scheme with a distinct colour for every role, and the built clue fonts, for drawing
// the board in tests.
#pragma once

#include "appearance/qt_colour.h"
#include "board/board_renderer.h"
#include "board/clue_fonts.h"
#include "model/derive_clues.h"
#include "platform/raster_font_library.h"
#include "support/puzzle_pictures.h"

#include <filesystem>

// Eleven colours no two of which are alike, so every pixel tells its role.
inline ColourSet DistinctColours() {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] =
            RgbColour(static_cast<int>(20 * role + 10), static_cast<int>(250 - 20 * role), 100);
    return colours;
}

inline QColor RoleColour(ColourRole role) {
    return ToQColor(DistinctColours()[static_cast<std::size_t>(role)]);
}

struct BoardSceneFixture {
    GameState Game;
    ColourSet Colours = DistinctColours();
    RasterFontLibrary Fonts;
    BoardSize Size;

    BoardSceneFixture(const std::vector<std::string>& picture, BoardSize size) : Size(size) {
        Game = GameFromPicture(picture);
        DeriveClues(Game);
        for (const ClueFont& font : ClueFonts)
            Fonts.AddFontFile(std::filesystem::path(QUORVANE_PROGRAM_DIR) / font.FileName);
    }

    BoardGeometry Geometry() const { return BoardGeometry::Of(Game, Size); }
    std::shared_ptr<const TextFace> Face() {
        return Fonts.Face(QString::fromLatin1(ClueFontFor(Size).FaceName), CluePointSize, true);
    }
    QImage Draw() {
        const BoardGeometry geometry = Geometry();
        const auto face = Face();
        return DrawBoard({Game, geometry, Colours, *face});
    }
    void Redraw(QImage& bitmap, const BoardTarget& target) {
        const BoardGeometry geometry = Geometry();
        const auto face = Face();
        RedrawBox(bitmap, {Game, geometry, Colours, *face}, target);
    }
};

// How many pixels of the colour the rectangle holds.
inline int CountColour(const QImage& image, const PixelRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}
