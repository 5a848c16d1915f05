#include "editor/picture_import.h"

#include "model/bounds.h"

bool PictureFits(int width, int height) {
    return IsValidGridSide(width) && IsValidGridSide(height);
}

std::string PictureSizeMessage(int width, int height) {
    return "The picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels. A puzzle can be 1 to " + std::to_string(MaxGridSide) + " cells wide and high.";
}

bool ImportPicture(const PixelPicture& picture, PuzzleRecord& puzzle) {
    if (!PictureFits(picture.Width, picture.Height) ||
        picture.Pixels.size() !=
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height))
        return false;
    puzzle.Width = picture.Width;
    puzzle.Height = picture.Height;
    // An exact comparison: a shade off the background by one unit in one channel is filled.
    const std::uint32_t background = picture.At(0, 0);
    for (int x = 0; x < picture.Width; ++x)
        for (int y = 0; y < picture.Height; ++y)
            puzzle.Solution.At(x, y) = picture.At(x, y) != background ? 1 : 0;
    return true;
}
