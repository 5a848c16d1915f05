// Draws the board into its off-screen bitmap: the whole of it, or one box after a change.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"

#include <QImage>

class TextFace;
struct CellGrid;
struct GameState;

// Everything a drawing of the board reads.
struct BoardScene {
    const GameState& Game;
    const BoardGeometry& Geometry;
    const ColourSet& Colours;
    const TextFace& ClueFace; // clue numbers and the "?" of a marked cell
};

// A bitmap of the board's size with clue areas, clues, cells and rules; later steps cover earlier
// ones, and the rules come last over the borders of the fills.
QImage DrawBoard(const BoardScene& scene);

// Redraws one grid cell or clue slot through its interior only, so the rules around it stay.
void RedrawBox(QImage& bitmap, const BoardScene& scene, const BoardTarget& target);

// A grid alone, without clue areas, as the puzzle editor shows a solution: the cells as the board
// draws them and the same rules.
struct GridScene {
    const CellGrid& Cells;
    const BoardGeometry& Geometry; // no clue slots
    const ColourSet& Colours;
    const TextFace& MarkFace; // the "?" of a marked cell
};

QImage DrawGrid(const GridScene& scene);

// Redraws one cell through its interior, as RedrawBox does on the board.
void RedrawGridCell(QImage& bitmap, const GridScene& scene, int column, int row);
