// Rasterising toolkit fonts glyph by glyph.
#include "platform/toolkit_raster_font.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int FirstPrintable = 0x20;
constexpr int LastPrintable = 0x7E;

} // namespace

RasterFont RasteriseFont(const QFont& font) {
    const QFontMetrics metrics(font);
    RasterFont raster;
    raster.FaceName = font.family().toStdString();
    raster.Points = font.pointSize() > 0 ? font.pointSize() : 0;
    raster.Weight = font.bold() ? 700 : 400;
    raster.PixelHeight = metrics.height();
    raster.Ascent = metrics.ascent();
    raster.FirstChar = FirstPrintable;
    raster.LastChar = LastPrintable;
    raster.DefaultChar = '?';
    for (int code = FirstPrintable; code <= LastPrintable; ++code) {
        const QString text(QChar(static_cast<char16_t>(code)));
        RasterFont::Glyph glyph;
        glyph.Width = std::max(0, metrics.horizontalAdvance(text));
        glyph.Pixels.assign(static_cast<std::size_t>(glyph.Width * raster.PixelHeight), 0);
        if (glyph.Width > 0 && raster.PixelHeight > 0) {
            QImage image(glyph.Width, raster.PixelHeight, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(0, raster.Ascent), text);
            painter.end();
            for (int y = 0; y < raster.PixelHeight; ++y)
                for (int x = 0; x < glyph.Width; ++x)
                    glyph.Pixels[static_cast<std::size_t>(y * glyph.Width + x)] =
                        image.pixel(x, y) != QColor(Qt::white).rgb();
        }
        raster.Glyphs.push_back(std::move(glyph));
    }
    return raster;
}

QFont BoardTextFont(const QString& family, int pointSize, bool bold) {
    QFont font(family);
    // Board text is sized for 96 dots per inch, whatever the screen reports.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 4.0 / 3.0))));
    font.setBold(bold);
    // Board text is drawn in whole pixels, as the raster faces it stands in for are.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
