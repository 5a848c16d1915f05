// The miniature board of the preferences dialog, drawn with every colour role in use.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"

#include <QFont>
#include <QImage>

// The preview's picture; the dialog shows only its top rows.
inline constexpr int PreviewWidth = 339;
inline constexpr int PreviewHeight = 155;

// The toolkit's default face, bold, 8 points at 96 dots per inch, without smoothing.
QFont PreviewFont();

// Draws the miniature board at the main window's cell size into a bitmap of the preview's size:
// clue areas, a row each of filled, excluded and marked cells, clue numbers in the three states,
// and the rules on to the picture's right and bottom edges.
void PaintPreview(QImage& previewBitmap, const ColourSet& colours, CellPitch pitch);
