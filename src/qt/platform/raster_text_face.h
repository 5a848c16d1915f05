// A face drawn from a raster font file's own pixels, at the one size the file has.
#pragma once

#include "fonts/raster_font.h"
#include "platform/text_face.h"

#include <QImage>
#include <unordered_map>
#include <vector>

class RasterTextFace final : public TextFace {
public:
    explicit RasterTextFace(RasterFont font);

    const RasterFont& Font() const { return Font_; }
    QSize Measure(const QString& text) const override;
    void Draw(QPainter& painter, QPoint topLeft, const QString& text, const QColor& colour,
              const QColor& background) const override;

private:
    const std::vector<QImage>& GlyphImages(const QColor& colour) const;

    RasterFont Font_;
    // The board draws thousands of clues in a handful of colours, so each glyph is turned into an
    // image once per colour: ink in the colour, the rest transparent.
    mutable std::unordered_map<QRgb, std::vector<QImage>> ImagesByColour;
};
