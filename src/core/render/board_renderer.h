// Draws a board into a pixel image, and afterwards only the boxes that differ from what it drew
// last, so a press costs one box and a new game only what changed.
#pragma once

#include "render/board_scene.h"
#include "render/pixel_image.h"

#include <optional>
#include <vector>

// Draws the rows from top to bottom of a whole drawing of the scene into an image already of the
// board's size, leaving its other rows alone; those rows end exactly as a whole drawing leaves
// them. A whole drawing goes down the board a row of boxes at a time this way.
void DrawBoardRows(const BoardScene& scene, PixelImage& image, int top, int bottom);

class BoardRenderer {
public:
    // Brings the image to the scene and returns the rectangle of board pixels that changed, empty
    // when nothing did. A new size, other colours, another face, another image or a first call
    // draw everything; otherwise each cell, clue slot and outline is compared with what was
    // drawn and only the boxes that differ are drawn again, through their interiors, so the rules
    // around them stay. The image is the renderer's to write between calls; a whole drawing keeps
    // its memory (PixelImage::Reshape), so a window that keeps its image asks the system for
    // memory only for a board larger than any it showed before.
    PixelRect Update(const BoardScene& scene, PixelImage& image);

private:
    void DrawWhole(const BoardScene& scene, PixelImage& image);
    PixelRect RedrawChangedCells(const BoardScene& scene, PixelImage& image);
    PixelRect RedrawChangedClues(const BoardScene& scene, PixelImage& image, BoardArea area);
    PixelRect RedrawChangedOutlines(const BoardScene& scene, PixelImage& image);
    bool NeedsWholeDrawing(const BoardScene& scene, const PixelImage& image) const;

    // What the image shows.
    std::optional<BoardGeometry> DrawnGeometry;
    ColourSet DrawnColours{};
    const RasterFont* DrawnFace = nullptr;
    const Pixel* DrawnPixels = nullptr;
    bool DrawnClues = false;
    CellGrid DrawnCells;
    ClueTable DrawnRowClues;
    ClueTable DrawnColumnClues;
    std::vector<CellPos> DrawnOutlines;
};
