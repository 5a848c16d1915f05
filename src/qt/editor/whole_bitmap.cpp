// Windows bitmap files decoded only when every pixel of the picture comes from the file.
#include "editor/whole_bitmap.h"

#include <QFile>
#include <QImageReader>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The file as the decoder reads it, noting whether it asked for more bytes than were left. The
// decoder asks for whole rows and single run-length codes, so a short read is missing data.
class WatchedFile final : public QFile {
public:
    using QFile::QFile;

    bool RanShort() const { return RanShort_; }
    void ForgetShortReads() { RanShort_ = false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 got = QFile::readData(data, maxSize);
        if (got < maxSize)
            RanShort_ = true;
        return got;
    }

private:
    bool RanShort_ = false;
};

// One decoding into a picture filled with `fill` beforehand: Qt decodes into the picture it is
// given when the size and format match, so a pixel it never writes keeps the fill.
QImage DecodeOver(const QString& name, uint fill) {
    WatchedFile file(name);
    // Unbuffered, each of the decoder's reads reaches readData as it asked for it.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    QImageReader reader(&file, "bmp");
    // The header's height is negative for a bitmap stored top row first.
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() == 0 || size.height() == std::numeric_limits<int>::min())
        return {};
    QImage image(size.width(), std::abs(size.height()), reader.imageFormat());
    if (image.isNull())
        return {};
    image.fill(fill);
    file.ForgetShortReads();
    if (!reader.read(&image) || file.RanShort())
        return {};
    return image;
}

// Whether two decodings hold the same pixels, compared as stored: QImage's own comparison looks
// palette indices up in the colour table, and a file's indices, like the fill, may lie past it.
bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    // Row padding is left out: a run-length stream never writes it.
    const auto rowBytes = static_cast<std::size_t>((a.width() * a.depth() + 7) / 8);
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0)
            return false;
    return true;
}

} // namespace

QImage ReadWholeBitmap(const std::filesystem::path& path) {
    const QString name = QString::fromStdString(path.string());
    // A run-length stream may end or jump ahead without running out, leaving pixels unwritten:
    // two decodings over opposite fills differ exactly there.
    const QImage overZeros = DecodeOver(name, 0u);
    if (overZeros.isNull() || !SamePixels(overZeros, DecodeOver(name, ~0u)))
        return {};
    return overZeros;
}
