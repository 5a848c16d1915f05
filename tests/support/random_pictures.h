// Random pictures and clues for the solver's tests, the check that a solution meets its clues,
// and the rows that brute-force counts start from.
#pragma once

#include "solver/puzzle_solver.h"

#include <optional>
#include <random>
#include <vector>

inline Picture RandomPicture(std::mt19937& random, int width, int height, int filledPercent) {
    Picture picture = Picture::Blank(width, height);
    for (std::uint8_t& cell : picture.Cells)
        cell = static_cast<int>(random() % 100) < filledPercent ? 1 : 0;
    return picture;
}

// The clues of a random picture; with `otherColumns`, the columns come from a second picture, which
// mostly leaves no solution.
inline NonogramClues RandomClues(std::mt19937& random, int width, int height, int filledPercent,
                                 bool otherColumns) {
    NonogramClues clues = CluesOf(RandomPicture(random, width, height, filledPercent));
    if (otherColumns)
        clues.Columns = CluesOf(RandomPicture(random, width, height, filledPercent)).Columns;
    return clues;
}

inline bool Fits(const std::optional<Picture>& picture, const NonogramClues& clues) {
    return picture && CluesOf(*picture) == clues;
}

// For each row, every row of the clues' width that fits its clue, as a mask with bit x for column
// x.
inline std::vector<std::vector<unsigned>> FittingRows(const NonogramClues& clues) {
    std::vector<std::vector<unsigned>> fitting;
    for (const std::vector<int>& runs : clues.Rows) {
        std::vector<unsigned>& masks = fitting.emplace_back();
        for (unsigned mask = 0; mask < 1U << clues.Width; ++mask) {
            Picture row = Picture::Blank(clues.Width, 1);
            for (int x = 0; x < clues.Width; ++x)
                row.Set(x, 0, (mask >> x & 1U) != 0);
            if (CluesOf(row).Rows[0] == runs)
                masks.push_back(mask);
        }
    }
    return fitting;
}
