// Bitmap files decoded by the core: every depth, header, compression and row order gives back
// the pixels written, a file cut anywhere is refused or reads the same, and each way a file can
// fail gives its refusal.
#include "base/byte_layout.h"
#include "editor/bitmap_picture.h"
#include "editor/bmp_writer.h"
#include "support/temp_folder.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace {

// Thirteen by five (odd, so rows are padded), in as many colours as the depth holds, up to
// six; colours 16 bits keep exactly, and a white top-left pixel.
PixelPicture Picture(int bits) {
    const std::uint32_t colours[] = {0xF8F8F8, 0x000000, 0xF80000, 0x00F800, 0x0000F8, 0x807808};
    const int count = bits == 1 ? 2 : bits == 4 ? 5 : 6;
    PixelPicture picture{13, 5, {}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x)
            picture.Pixels.push_back(colours[(x * y + x / 3) % count]);
    return picture;
}

std::vector<BmpForm> EveryForm() {
    std::vector<BmpForm> forms;
    const std::array<std::uint32_t, 3> none{}, rgb565{0xF800, 0x07E0, 0x001F},
        swapped{0x000000FF, 0x0000FF00, 0x00FF0000}, wide{0x3FF00000, 0x000FFC00, 0x000003FF};
    for (const int header : {12, 40, 64, 108, 124})
        for (const bool topDown : {false, true}) {
            if (header == 12 && topDown)
                continue; // the core header's height has no sign
            for (const int bits : {1, 4, 8, 16, 24, 32})
                forms.push_back({bits, topDown, false, header});
            if (header == 12)
                continue; // nor a compression
            forms.push_back({4, topDown, true, header});
            forms.push_back({8, topDown, true, header});
            forms.push_back({16, topDown, false, header, rgb565});
            forms.push_back({32, topDown, false, header, swapped});
            forms.push_back({32, topDown, false, header, wide, 7});
        }
    forms.push_back({8, false, false, 40, none, 9});
    return forms;
}

std::string Named(const BmpForm& form) {
    return std::to_string(form.Bits) + " bits, header " + std::to_string(form.HeaderSize) +
           (form.TopDown ? ", top-down" : "") + (form.RunLength ? ", RLE" : "") +
           (form.Masks[0] != 0 ? ", bit fields" : "") + (form.Gap ? ", gap" : "");
}

void ExpectNotValid(const std::vector<std::uint8_t>& file, const std::string& why) {
    const BitmapPicture read = DecodeBitmapPicture(file);
    EXPECT_FALSE(read.Picture) << why;
    EXPECT_EQ(read.Failure, "Bitmap image is not valid") << why;
}

// A valid 2 x 2 24-bit file, for cases that change one field of it.
std::vector<std::uint8_t> Small() {
    return BmpBytes({2, 2, {0xFFFFFF, 0, 0, 0xFFFFFF}}, {24});
}

template <typename T> void Set(std::vector<std::uint8_t>& file, std::size_t at, T value) {
    ByteLayout::Put(std::span(file), at, value);
}

// A 4 x 2 run-length file of four colours whose stream is `runs`.
std::vector<std::uint8_t> WithRuns(std::vector<std::uint8_t> runs, int bits = 8,
                                   bool topDown = false) {
    std::vector<std::uint8_t> file = BmpBytes(
        {4, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000, 0, 0, 0, 0}}, {bits, topDown, true});
    const std::uint32_t start = ByteLayout::Get<std::uint32_t>(file, 10);
    file.resize(start);
    file.insert(file.end(), runs.begin(), runs.end());
    return file;
}

// WithRuns' palette holds its colours in the reverse order of first use: black, blue, green, red.
constexpr std::uint32_t Black = 0, Blue = 0x0000FF, Green = 0x00FF00, Red = 0xFF0000;

} // namespace

TEST(BitmapDecoding, EveryLayoutGivesBackThePixelsWritten) {
    for (const BmpForm& form : EveryForm()) {
        const PixelPicture written = Picture(form.Bits);
        const BitmapPicture read = DecodeBitmapPicture(BmpBytes(written, form));
        ASSERT_TRUE(read.Picture) << Named(form) << ": " << read.Failure;
        EXPECT_EQ(read.Picture->Width, written.Width) << Named(form);
        EXPECT_EQ(read.Picture->Height, written.Height) << Named(form);
        EXPECT_EQ(read.Picture->Pixels, written.Pixels) << Named(form);
    }
}

TEST(BitmapDecoding, AFileCutAnywhereIsRefusedOrReadsTheSame) {
    for (const BmpForm& form : EveryForm()) {
        const PixelPicture written = Picture(form.Bits);
        const std::vector<std::uint8_t> whole = BmpBytes(written, form);
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const BitmapPicture read = DecodeBitmapPicture(std::span(whole.data(), size));
            if (read.Picture)
                EXPECT_EQ(read.Picture->Pixels, written.Pixels)
                    << Named(form) << " cut at " << size;
            else
                EXPECT_EQ(read.Failure, "Bitmap image is not valid")
                    << Named(form) << " cut at " << size;
        }
    }
}

// Sixteen-bit fields keep their top bits, fields wider than a byte give their top eight, and an
// index past the palette is black.
TEST(BitmapDecoding, ChannelsAndIndicesOutsideTheUsualRanges) {
    std::vector<std::uint8_t> white16 = BmpBytes({1, 1, {0xFFFFFF}}, {16});
    EXPECT_EQ(DecodeBitmapPicture(white16).Picture->Pixels, std::vector<std::uint32_t>{0xF8F8F8});

    std::vector<std::uint8_t> wide =
        BmpBytes({1, 1, {0}}, {32, false, false, 40, {0xFFFF0000, 0x0000FF00, 0x000000FF}});
    const std::size_t pixel = ByteLayout::Get<std::uint32_t>(wide, 10);
    Set<std::uint32_t>(wide, pixel, 0x12345678);
    EXPECT_EQ(DecodeBitmapPicture(wide).Picture->Pixels, std::vector<std::uint32_t>{0x125678});

    std::vector<std::uint8_t> pastPalette = BmpBytes({2, 1, {Red, Green}}, {8});
    const std::size_t indices = ByteLayout::Get<std::uint32_t>(pastPalette, 10);
    pastPalette[indices + 1] = 7;
    EXPECT_EQ(DecodeBitmapPicture(pastPalette).Picture->Pixels,
              (std::vector<std::uint32_t>{Red, Black}));
}

// An offset into the headers or the palette is taken to mean right after them.
TEST(BitmapDecoding, PixelOffsetShortOfThePaletteMeansAfterIt) {
    std::vector<std::uint8_t> file = Small();
    Set<std::uint32_t>(file, 10, 0);
    EXPECT_EQ(DecodeBitmapPicture(file).Picture->Pixels,
              (std::vector<std::uint32_t>{0xFFFFFF, 0, 0, 0xFFFFFF}));
}

TEST(BitmapDecoding, RunLengthStreamsFollowTheirEscapes) {
    const struct {
        const char* Name;
        std::vector<std::uint8_t> Runs;
        int Bits;
        std::vector<std::uint32_t> Pixels; // top row first
    } cases[] = {
        {"runs cut at the row's end",
         {6, 0, 0, 0, 4, 1, 0, 1},
         8,
         {Blue, Blue, Blue, Blue, Black, Black, Black, Black}},
        {"an odd absolute stretch padded to a word; a jump past the last row ends it",
         {0, 3, 2, 1, 2, 0, 1, 0, 0, 0, 4, 3, 0, 2, 0, 1},
         8,
         {Red, Red, Red, Red, Green, Blue, Green, Black}},
        {"no end-of-bitmap once the last row has ended",
         {4, 0, 0, 0, 4, 2, 0, 0},
         8,
         {Green, Green, Green, Green, Black, Black, Black, Black}},
        {"four-bit runs alternate their two indices",
         {4, 0x12, 0, 0, 0, 3, 0x01, 0x20, 1, 0, 0, 1},
         4,
         {Black, Blue, Green, Black, Blue, Green, Blue, Green}},
    };
    for (const auto& test : cases) {
        const BitmapPicture read = DecodeBitmapPicture(WithRuns(test.Runs, test.Bits));
        ASSERT_TRUE(read.Picture) << test.Name;
        EXPECT_EQ(read.Picture->Pixels, test.Pixels) << test.Name;
    }
}

TEST(BitmapDecoding, EachBrokenFileIsRefusedAsNotValid) {
    const std::vector<std::uint8_t> small = Small();
    auto with = [&](std::size_t at, auto value) {
        std::vector<std::uint8_t> file = small;
        Set(file, at, value);
        return file;
    };
    ExpectNotValid({}, "empty");
    ExpectNotValid(with(0, std::uint16_t{0x4D42 ^ 0x2000}), "no BM");
    for (const std::uint32_t size : {0u, 16u, 52u, 56u, 200u})
        ExpectNotValid(with(14, size), "header of " + std::to_string(size) + " bytes");
    ExpectNotValid(std::vector(small.begin(), small.begin() + 40), "info header cut");
    ExpectNotValid(with(26, std::uint16_t{2}), "two planes");
    ExpectNotValid(with(28, std::uint16_t{2}), "two bits");
    ExpectNotValid(with(30, std::uint32_t{4}), "a JPEG inside");
    ExpectNotValid(with(30, std::uint32_t{1}), "RLE8 at 24 bits");
    ExpectNotValid(with(30, std::uint32_t{3}), "bit fields at 24 bits");
    ExpectNotValid(with(18, std::int32_t{0}), "no width");
    ExpectNotValid(with(18, std::int32_t{-2}), "a negative width");
    ExpectNotValid(with(22, std::int32_t{0}), "no height");
    ExpectNotValid(with(22, std::int32_t{INT_MIN}), "a height with no size");
    ExpectNotValid(with(10, std::uint32_t{0xFFFFFFF0}), "pixels past the end");
    ExpectNotValid(std::vector(small.begin(), small.end() - 1), "the last row's padding cut");

    std::vector<std::uint8_t> palette = BmpBytes({2, 1, {Red, Green}}, {8});
    Set<std::uint32_t>(palette, 46, 257);
    ExpectNotValid(palette, "more than 256 colours");
    Set<std::uint32_t>(palette, 46, 0);
    ExpectNotValid(palette, "a palette of 256 colours runs past the end");

    std::vector<std::uint8_t> fields =
        BmpBytes({1, 1, {0}}, {32, false, false, 40, {0xFF0000, 0xFF00, 0xFF}});
    ExpectNotValid(std::vector(fields.begin(), fields.begin() + 60), "masks cut");

    ExpectNotValid(WithRuns({4, 0, 0, 0, 4}), "runs run out");
    ExpectNotValid(WithRuns({4, 0, 0, 0, 0, 2, 1}), "a jump runs out");
    ExpectNotValid(WithRuns({4, 0, 0, 0, 0, 3, 1, 1, 1}), "an absolute stretch without its pad");
    ExpectNotValid(WithRuns({4, 0, 0, 1}), "ended before the last row");
    ExpectNotValid(WithRuns({4, 0, 0, 0, 1, 0, 0, 2, 1, 0, 2, 0, 0, 1}), "a jump over a pixel");
    ExpectNotValid(WithRuns({6, 0, 0, 0, 0, 2, 2, 0, 2, 1, 0, 1}, 8, true),
                   "a run past the row's end sets no pixel of the next row");
}

// The header's size is refused before anything after it is looked at, so a file too large for
// the grid says so even when its pixels are missing.
TEST(BitmapDecoding, PictureTooLargeIsRefusedWithItsSize) {
    const PixelPicture wide{129, 2, std::vector<std::uint32_t>(258, 0xFFFFFF)};
    const std::vector<std::uint8_t> file = BmpBytes(wide, {24});
    EXPECT_EQ(DecodeBitmapPicture(file).Failure, PictureSizeMessage(129, 2));
    EXPECT_EQ(DecodeBitmapPicture(std::span(file.data(), 54)).Failure, PictureSizeMessage(129, 2));
    std::vector<std::uint8_t> tall = file;
    Set<std::int32_t>(tall, 22, -100000);
    EXPECT_EQ(DecodeBitmapPicture(tall).Failure, PictureSizeMessage(129, 100000));
}

TEST(BitmapDecoding, ReadsAFileByItsPath) {
    TempFolder folder;
    const PixelPicture written = Picture(8);
    WriteBytes(folder / "pictüre.bmp", BmpBytes(written, {8}));
    const BitmapPicture read = ReadBitmapPicture(folder / "pictüre.bmp");
    ASSERT_TRUE(read.Picture) << read.Failure;
    EXPECT_EQ(read.Picture->Pixels, written.Pixels);
    EXPECT_EQ(ReadBitmapPicture(folder / "absent.bmp").Failure, "Bitmap image is not valid");
}
