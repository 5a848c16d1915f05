// The largest board a game can have, for the drawing benchmarks of both programs: a 128 x 128
// puzzle, a third of it filled, with every clue derived and a random player's grid, drawn in the
// clue face the build made.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/clue_fonts.h"
#include "model/derive_clues.h"
#include "model/file_read.h"
#include "model/game_state.h"
#include "render/board_renderer.h"

#include <filesystem>
#include <random>

inline RasterFont BuiltFace(BoardSize size) {
    const auto bytes = ReadFilePrefix(
        std::filesystem::path(QUORVANE_PROGRAM_DIR) / ClueFontFor(size).FileName, 1 << 20);
    return ParseRasterFont(*bytes).value();
}

struct LargestBoard {
    GameState Game;
    RasterFont Face;
    BoardSize Size;
    ColourSet Colours = DefaultScheme;
    PixelImage Image;
    BoardRenderer Renderer;

    explicit LargestBoard(BoardSize size) : Face(BuiltFace(size)), Size(size) {
        Game.Puzzle.Width = MaxGridSide;
        Game.Puzzle.Height = MaxGridSide;
        std::mt19937 random(11);
        for (std::uint16_t& cell : Game.Puzzle.Solution.Cells)
            cell = random() % 3 == 0;
        DeriveClues(Game);
        for (std::uint16_t& cell : Game.PlayerGrid.Cells)
            cell = static_cast<std::uint16_t>(random() % 4);
        Renderer.Update(Scene(), Image);
    }
    BoardScene Scene() const { return GameBoardScene(Game, Size, Colours, Face); }
};
