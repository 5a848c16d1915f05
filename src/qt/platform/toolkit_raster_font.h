// A toolkit font turned into a raster font, so board text in a face no font file supplies is
// drawn by the same code as the program's own faces.
#pragma once

#include "fonts/raster_font.h"

#include <QFont>

// The printable ASCII characters of the font as drawn without smoothing: each glyph as wide as the
// character's advance, all as tall as the font's line, ink where the toolkit draws.
RasterFont RasteriseFont(const QFont& font);

// The toolkit font a point size names at 96 dots per inch, bold or not, without smoothing.
QFont BoardTextFont(const QString& family, int pointSize, bool bold);
