// The library's puzzle glyph as a Qt icon.
#include "library/puzzle_glyph.h"

#include <QImage>
#include <QPixmap>

QIcon PuzzleGlyph(PuzzleGlyphShade shade) {
    const PixelImage picture = PuzzleGlyphPicture(shade);
    const QImage image(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width,
                       picture.Height, QImage::Format_RGB32);
    // The icon keeps a copy: the picture's pixels end with this call.
    return QIcon(QPixmap::fromImage(image.copy()));
}
