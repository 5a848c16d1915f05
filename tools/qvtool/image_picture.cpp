// Pictures from image files (PBM, PNG, BMP): dark, opaque pixels are filled cells.
#include "image_picture.h"

#include "base/path_text.h"
#include "editor/bitmap_picture.h"
#include "model/bounds.h"
#include "tool_error.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Qt's image plugins, and the libpng beneath them, write their own complaints about a damaged
// file straight to the standard error; the reader's error text is what the tool reports, so the
// descriptor points at the null device while an image is read.
class QuietStandardError {
public:
    QuietStandardError() : Saved_(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        if (Saved_ >= 0 && null >= 0)
            dup2(null, STDERR_FILENO);
        if (null >= 0)
            close(null);
    }
    ~QuietStandardError() {
        if (Saved_ >= 0) {
            dup2(Saved_, STDERR_FILENO);
            close(Saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int Saved_;
};

// A bitmap as the core decodes it, opaque, as Qt's own decoders hand pictures back.
QImage OpaqueImage(const PixelPicture& picture) {
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            image.setPixel(x, y, 0xFF000000u | picture.At(x, y));
    return image;
}

} // namespace

Picture ReadImagePicture(const std::filesystem::path& path) {
    const std::string name = PathText(path);
    QImageReader reader(QString::fromStdString(name));
    QSize size;
    QImage image;
    std::string failure;
    {
        const QuietStandardError quiet;
        size = reader.size();
        if (size.isValid() && IsValidGridSide(size.width()) && IsValidGridSide(size.height())) {
            // Bitmaps are decoded by the core, as the editor's import decodes them: Qt's bitmap
            // reader takes a file cut short, where its PNG and PBM readers refuse one.
            if (reader.format() == "bmp") {
                const BitmapPicture bitmap = ReadBitmapPicture(path);
                if (bitmap.Picture)
                    image = OpaqueImage(*bitmap.Picture);
                failure = "the bitmap holds fewer pixels than its header gives";
            } else {
                image = reader.read();
                failure = reader.errorString().toStdString();
            }
            image = image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    if (size.isValid() && (!IsValidGridSide(size.width()) || !IsValidGridSide(size.height())))
        throw ToolError(name + " is " + std::to_string(size.width()) + " x " +
                        std::to_string(size.height()) + " pixels; a puzzle is 1.." +
                        std::to_string(MaxGridSide) + " cells each way");
    if (!size.isValid())
        throw ToolError(name + " is no image that can be read");
    if (image.isNull() || image.size() != size)
        throw ToolError(name + " is no image that can be read: " + failure);
    Picture picture = Picture::Blank(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            picture.Set(x, y, qAlpha(pixel) >= 128 && qGray(pixel) < 128);
        }
    return picture;
}
