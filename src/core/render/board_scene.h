// Everything a drawing of a board reads: the game's board with its clues, or the editor's grid
// alone with the outlines of its last check.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"
#include "editor/puzzle_check.h"
#include "fonts/raster_font.h"
#include "model/cell_grid.h"
#include "model/clues.h"

#include <span>

struct GameState;

struct BoardScene {
    BoardGeometry Geometry;
    const CellGrid& Cells;
    // Both tables, or neither for a grid without clue slots.
    const ClueTable* RowClues = nullptr;
    const ClueTable* ColumnClues = nullptr;
    const ColourSet& Colours;
    const RasterFont& Face;                 // clue numbers and the "?" of a marked cell
    std::span<const CellPos> Outlined = {}; // cells framed inside their interior
};

// The player's board of a game at the size chosen.
BoardScene GameBoardScene(const GameState& game, BoardSize size, const ColourSet& colours,
                          const RasterFont& face);

// A grid alone, without clue areas, as the puzzle editor shows a solution: the cells as the board
// draws them and the same rules.
BoardScene GridScene(const CellGrid& cells, int columns, int rows, CellPitch pitch,
                     const ColourSet& colours, const RasterFont& face,
                     std::span<const CellPos> outlined);
