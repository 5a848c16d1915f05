// Random pictures for the solver's tests, and the check that a solution meets its clues.
#pragma once

#include "solver/puzzle_solver.h"

#include <optional>
#include <random>

inline Picture RandomPicture(std::mt19937& random, int width, int height, int filledPercent) {
    Picture picture = Picture::Blank(width, height);
    for (std::uint8_t& cell : picture.Cells)
        cell = static_cast<int>(random() % 100) < filledPercent ? 1 : 0;
    return picture;
}

inline bool Fits(const std::optional<Picture>& picture, const NonogramClues& clues) {
    return picture && CluesOf(*picture) == clues;
}
