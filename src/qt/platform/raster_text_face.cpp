// Drawing text glyph by glyph from a raster font's pixels.
#include "platform/raster_text_face.h"

#include <QPainter>

namespace {

// A caller cycling through many colours would otherwise grow the cache without end.
constexpr std::size_t MaxCachedColours = 16;

int CharCode(QChar character) {
    return character.unicode();
}

} // namespace

RasterTextFace::RasterTextFace(RasterFont font) : Font_(std::move(font)) {}

QSize RasterTextFace::Measure(const QString& text) const {
    int width = 0;
    for (const QChar character : text)
        width += Font_.Glyphs[Font_.GlyphIndex(CharCode(character))].Width;
    return {width, Font_.PixelHeight};
}

void RasterTextFace::Draw(QPainter& painter, QPoint topLeft, const QString& text,
                          const QColor& colour, const QColor& background) const {
    painter.fillRect(QRect(topLeft, Measure(text)), background);
    const std::vector<QImage>& images = GlyphImages(colour);
    int x = topLeft.x();
    for (const QChar character : text) {
        const std::size_t index = Font_.GlyphIndex(CharCode(character));
        painter.drawImage(QPoint(x, topLeft.y()), images[index]);
        x += Font_.Glyphs[index].Width;
    }
}

const std::vector<QImage>& RasterTextFace::GlyphImages(const QColor& colour) const {
    const QRgb key = colour.rgba();
    if (const auto found = ImagesByColour.find(key); found != ImagesByColour.end())
        return found->second;
    if (ImagesByColour.size() >= MaxCachedColours)
        ImagesByColour.clear();
    std::vector<QImage> images;
    const QRgb ink = qPremultiply(key);
    for (const RasterFont::Glyph& glyph : Font_.Glyphs) {
        QImage image(glyph.Width, Font_.PixelHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (int y = 0; y < Font_.PixelHeight; ++y)
            for (int x = 0; x < glyph.Width; ++x)
                if (glyph.Ink(x, y))
                    image.setPixel(x, y, ink);
        images.push_back(std::move(image));
    }
    return ImagesByColour.emplace(key, std::move(images)).first->second;
}
