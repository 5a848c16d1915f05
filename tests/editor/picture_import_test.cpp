// Pictures into cells: the top-left colour is the background, any other colour a filled cell.
#include "editor/picture_import.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Black = 0x000000;

// '#' in the ink colour, anything else in the paper colour.
PixelPicture Drawn(const std::vector<std::string>& rows, std::uint32_t ink, std::uint32_t paper) {
    PixelPicture picture{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows)
        for (const char pixel : row)
            picture.Pixels.push_back(pixel == '#' ? ink : paper);
    return picture;
}

// Twenty by fifteen, the top-left pixel blank.
std::vector<std::string> Figure() {
    std::vector<std::string> rows(15, std::string(20, '.'));
    for (int i = 1; i < 15; ++i) {
        rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = '#';
        rows[static_cast<std::size_t>(i)][19] = '#';
    }
    return rows;
}

std::vector<std::string> Inverse(std::vector<std::string> rows) {
    for (std::string& row : rows)
        for (char& pixel : row)
            pixel = pixel == '#' ? '.' : '#';
    return rows;
}

} // namespace

TEST(PictureImport, TopLeftColourIsTheBackgroundAndEveryOtherColourIsFilled) {
    PuzzleRecord puzzle;
    ASSERT_TRUE(ImportPicture(Drawn(Figure(), Black, White), puzzle));
    EXPECT_EQ(puzzle.Width, 20);
    EXPECT_EQ(puzzle.Height, 15);
    EXPECT_EQ(puzzle.Solution, PuzzleFromPicture(Figure()).Solution);

    // A black top-left pixel makes black the background: the picture comes out inverted.
    std::vector<std::string> blackCorner = Figure();
    blackCorner[0][0] = '#';
    ASSERT_TRUE(ImportPicture(Drawn(blackCorner, Black, White), puzzle));
    EXPECT_EQ(puzzle.Solution, PuzzleFromPicture(Inverse(blackCorner)).Solution);

    // A shade one unit off the background in one channel is filled.
    ASSERT_TRUE(ImportPicture(Drawn(Figure(), 0xFFFEFF, White), puzzle));
    EXPECT_EQ(puzzle.Solution, PuzzleFromPicture(Figure()).Solution);

    ASSERT_TRUE(ImportPicture(Drawn(Figure(), White, White), puzzle));
    EXPECT_EQ(puzzle.Solution, CellGrid{});
}

TEST(PictureImport, CellsOutsideThePictureAndTheOtherFieldsStay) {
    PuzzleRecord puzzle = PuzzleFromPicture(std::vector<std::string>(30, std::string(30, '#')));
    puzzle.Name.Assign("Kept");
    puzzle.Level = 7;
    PuzzleRecord expected = puzzle;
    ASSERT_TRUE(ImportPicture(
        Drawn(std::vector<std::string>(10, std::string(10, '.')), Black, White), puzzle));
    expected.Width = 10;
    expected.Height = 10;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            expected.Solution.At(x, y) = 0;
    EXPECT_EQ(puzzle, expected);
}

TEST(PictureImport, PictureOutsideTheGridIsRefusedWithItsSizeAndTheLimit) {
    const PuzzleRecord before = PuzzleFromPicture({"#."});
    for (const auto& [width, height] : {std::pair{129, 1}, std::pair{1, 129}, std::pair{0, 5}}) {
        PuzzleRecord puzzle = before;
        PixelPicture picture{width, height,
                             std::vector<std::uint32_t>(static_cast<std::size_t>(width * height))};
        EXPECT_FALSE(PictureFits(width, height));
        EXPECT_FALSE(ImportPicture(picture, puzzle));
        EXPECT_EQ(puzzle, before);
    }
    EXPECT_TRUE(PictureFits(128, 1));
    EXPECT_EQ(PictureSizeMessage(129, 40),
              "The picture is 129 x 40 pixels. A puzzle can be 1 to 128 cells wide and high.");
}
