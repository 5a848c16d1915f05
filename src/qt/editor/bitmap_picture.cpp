// Reading a Windows bitmap file for the editor's import: the size from its header, then its pixels.
#include "editor/bitmap_picture.h"

#include "editor/whole_bitmap.h"

#include <QImage>
#include <QImageReader>
#include <cstdlib>

namespace {

QString NotValid() {
    return QStringLiteral("Bitmap image is not valid");
}

} // namespace

BitmapPicture ReadBitmapPicture(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdString(path.string()), "bmp");
    // Only a bitmap is taken, whatever the file's name: another format is not valid here.
    if (!reader.canRead() || reader.format() != "bmp")
        return {std::nullopt, NotValid()};
    // The header's size, where a top-down bitmap's height is negative.
    const QSize size(reader.size().width(), std::abs(reader.size().height()));
    if (!size.isValid() || size.isEmpty())
        return {std::nullopt, NotValid()};
    if (!PictureFits(size.width(), size.height()))
        return {std::nullopt,
                QString::fromStdString(PictureSizeMessage(size.width(), size.height()))};
    const QImage image = ReadWholeBitmap(path);
    if (image.isNull() || image.size() != size)
        return {std::nullopt, NotValid()};
    // Palettes are resolved and every depth becomes 24-bit colour. Alpha plays no part, so a
    // picture with alpha is not blended onto black on the way.
    const QImage rgb = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                     : QImage::Format_RGB32);
    PixelPicture picture{rgb.width(), rgb.height(), {}};
    picture.Pixels.reserve(static_cast<std::size_t>(rgb.width()) *
                           static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            picture.Pixels.push_back(line[x] & 0xFFFFFFu);
    }
    return {std::move(picture), {}};
}
