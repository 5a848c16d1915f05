// The miniature board of the preferences dialog, drawn with every colour role in use.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"
#include "fonts/raster_font.h"
#include "render/pixel_image.h"

// The preview's picture; the dialog shows only its top rows.
inline constexpr int PreviewWidth = 339;
inline constexpr int PreviewHeight = 155;

// Draws the miniature board at the main window's cell size into an image of the preview's size:
// clue areas, a row each of filled, excluded and marked cells, clue numbers in the three states,
// and the rules on to the picture's right and bottom edges.
void DrawSchemePreview(PixelImage& image, const ColourSet& colours, CellPitch pitch,
                       const RasterFont& face);
