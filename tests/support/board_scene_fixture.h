// A game, a scheme with a distinct colour for every role, and the built clue faces, for drawing
// boards in tests without any toolkit.
#pragma once

#include "board/clue_fonts.h"
#include "model/derive_clues.h"
#include "model/file_read.h"
#include "render/board_renderer.h"
#include "support/puzzle_pictures.h"

#include <filesystem>
#include <stdexcept>

// Eleven colours no two of which are alike, so every pixel tells its role.
inline ColourSet DistinctColours() {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] =
            RgbColour(static_cast<int>(20 * role + 10), static_cast<int>(250 - 20 * role), 100);
    return colours;
}

inline Pixel RolePixel(ColourRole role) {
    return PixelOf(DistinctColours()[static_cast<std::size_t>(role)]);
}

// The clue face the build writes into the program folder.
inline RasterFont BuiltClueFace(BoardSize size) {
    const auto bytes = ReadFilePrefix(
        std::filesystem::path(QUORVANE_PROGRAM_DIR) / ClueFontFor(size).FileName, 1 << 20);
    std::optional<RasterFont> font = bytes ? ParseRasterFont(*bytes) : std::nullopt;
    if (!font)
        throw std::runtime_error("the built clue fonts are missing");
    return *font;
}

struct BoardSceneFixture {
    GameState Game;
    ColourSet Colours = DistinctColours();
    BoardSize Size;
    RasterFont Face;

    BoardSceneFixture(const std::vector<std::string>& picture, BoardSize size)
        : Size(size), Face(BuiltClueFace(size)) {
        Game = GameFromPicture(picture);
        DeriveClues(Game);
    }

    BoardScene Scene() const { return GameBoardScene(Game, Size, Colours, Face); }
    BoardGeometry Geometry() const { return BoardGeometry::Of(Game, Size); }
    // A drawing from scratch, by a renderer that has drawn nothing before.
    PixelImage Draw() const {
        PixelImage image;
        BoardRenderer().Update(Scene(), image);
        return image;
    }
};

// How many pixels of the colour the rectangle holds.
inline int CountPixel(const PixelImage& image, const PixelRect& rect, Pixel pixel) {
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += image.At(x, y) == pixel;
    return count;
}
