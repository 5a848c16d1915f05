// The editor's bitmap import: a file is refused with a reason, or gives a picture that fits the
// grid, reads the same every time, imports into the editor's record touching only the size and
// the cells, and written as a 24-bit bitmap reads back to the same pixels.
#include "editor/bitmap_picture.h"
#include "editor/bmp_writer.h"
#include "fuzz_check.h"

#include <fstream>
#include <unistd.h>

namespace {

// The reader takes a path, as the editor's Open hands it one; each fuzzing process has its own
// two files, removed when it exits.
struct ScratchFiles {
    std::filesystem::path In = Named("in");
    std::filesystem::path Out = Named("out");

    static std::filesystem::path Named(const char* role) {
        return std::filesystem::temp_directory_path() /
               ("quorvane-bitmap-fuzz-" + std::to_string(getpid()) + "-" + role + ".bmp");
    }
    ~ScratchFiles() {
        std::error_code ignored;
        std::filesystem::remove(In, ignored);
        std::filesystem::remove(Out, ignored);
    }
};

const ScratchFiles& Scratch() {
    static const ScratchFiles files;
    return files;
}

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(static_cast<bool>(out), "the scratch file is written");
}

bool SamePicture(const PixelPicture& a, const PixelPicture& b) {
    return a.Width == b.Width && a.Height == b.Height && a.Pixels == b.Pixels;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteFile(Scratch().In, data, size);
    const BitmapPicture read = ReadBitmapPicture(Scratch().In);
    // A pixel the decoder never wrote shows as a second reading that differs from the first.
    const BitmapPicture second = ReadBitmapPicture(Scratch().In);
    Require(second.Failure == read.Failure &&
                second.Picture.has_value() == read.Picture.has_value() &&
                (!read.Picture || SamePicture(*second.Picture, *read.Picture)),
            "the same file reads the same twice");
    if (!read.Picture) {
        Require(!read.Failure.isEmpty(), "a refusal says why");
        return 0;
    }
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

    const std::vector<std::uint8_t> again = BmpBytes(picture, {24});
    WriteFile(Scratch().Out, again.data(), again.size());
    const BitmapPicture reread = ReadBitmapPicture(Scratch().Out);
    Require(reread.Picture && SamePicture(*reread.Picture, picture),
            "the picture written as a bitmap reads back the same");
    return 0;
}
