// The editor's bitmap import: a file is refused with a reason, or gives a picture that fits the
// grid, reads the same every time, imports into the editor's record touching only the size and
// the cells, and written as a 24-bit bitmap reads back to the same pixels.
#include "editor/bitmap_picture.h"
#include "editor/bmp_writer.h"
#include "fuzz_check.h"

namespace {

bool SamePicture(const PixelPicture& a, const PixelPicture& b) {
    return a.Width == b.Width && a.Height == b.Height && a.Pixels == b.Pixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const BitmapPicture read = DecodeBitmapPicture(file);
    // A pixel the decoder never wrote shows as a second reading that differs from the first.
    const BitmapPicture second = DecodeBitmapPicture(file);
    Require(second.Failure == read.Failure &&
                second.Picture.has_value() == read.Picture.has_value() &&
                (!read.Picture || SamePicture(*second.Picture, *read.Picture)),
            "the same file reads the same twice");
    if (!read.Picture) {
        Require(!read.Failure.empty(), "a refusal says why");
        return 0;
    }
    Require(read.Failure.empty(), "a picture read has no refusal");
    const PixelPicture& picture = *read.Picture;
    Require(PictureFits(picture.Width, picture.Height) &&
                picture.Pixels.size() == static_cast<std::size_t>(picture.Width) *
                                             static_cast<std::size_t>(picture.Height),
            "a picture fits the grid and has its size's pixels");
    for (const std::uint32_t pixel : picture.Pixels)
        Require(pixel <= 0xFFFFFFu, "pixels are colours without alpha");

    PuzzleRecord record;
    record.Name.Assign("Drawn before");
    record.Width = record.Height = 130 - picture.Width; // never the picture's own width
    record.Solution.At(127, 127) = 1;
    PuzzleRecord expected = record;
    Require(ImportPicture(picture, record), "a picture that was read imports");
    expected.Width = picture.Width;
    expected.Height = picture.Height;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            expected.Solution.At(x, y) = picture.At(x, y) != picture.At(0, 0);
    Require(record == expected, "the import sets the size and the cells, nothing else");

    const BitmapPicture reread = DecodeBitmapPicture(BmpBytes(picture, {24}));
    Require(reread.Picture && SamePicture(*reread.Picture, picture),
            "the picture written as a bitmap reads back the same");
    return 0;
}
