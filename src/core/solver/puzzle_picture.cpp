// Moving a picture between the solver's form and a puzzle record's solution grid.
#include "solver/puzzle_picture.h"

Picture PictureOfRecord(const PuzzleRecord& record) {
    Picture picture = Picture::Blank(record.Width, record.Height);
    for (int y = 0; y < record.Height; ++y)
        for (int x = 0; x < record.Width; ++x)
            picture.Set(x, y,
                        record.Solution.At(x, y) == static_cast<std::uint16_t>(CellState::Filled));
    return picture;
}

void PutPicture(const Picture& picture, PuzzleRecord& record) {
    record.Width = picture.Width;
    record.Height = picture.Height;
    record.Solution.Clear();
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            record.Solution.Set(x, y, picture.Filled(x, y) ? CellState::Filled : CellState::Empty);
}
