// The clues a picture gives: the runs of filled cells along each row and column.
#include "solver/nonogram.h"

namespace {

// The runs of `count` cells read through `filled`, which maps a position along the line to a cell.
template <typename CellAt> std::vector<int> RunsOf(int count, CellAt filled) {
    std::vector<int> runs;
    int current = 0;
    for (int i = 0; i < count; ++i) {
        if (filled(i)) {
            ++current;
        } else if (current > 0) {
            runs.push_back(current);
            current = 0;
        }
    }
    if (current > 0)
        runs.push_back(current);
    return runs;
}

} // namespace

NonogramClues CluesOf(const Picture& picture) {
    NonogramClues clues{picture.Width, picture.Height, {}, {}};
    for (int y = 0; y < picture.Height; ++y)
        clues.Rows.push_back(RunsOf(picture.Width, [&](int x) { return picture.Filled(x, y); }));
    for (int x = 0; x < picture.Width; ++x)
        clues.Columns.push_back(
            RunsOf(picture.Height, [&](int y) { return picture.Filled(x, y); }));
    return clues;
}
