// A puzzle as the solver sees it: the clues of every row and column, and pictures that fit them.
#pragma once

#include <cstdint>
#include <vector>

// A picture of filled (true) and empty cells, row by row.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Cells; // Height rows of Width cells, 1 = filled

    bool Filled(int x, int y) const { return Cells[static_cast<std::size_t>(y) * Width + x] != 0; }
    void Set(int x, int y, bool filled) { Cells[static_cast<std::size_t>(y) * Width + x] = filled; }
    static Picture Blank(int width, int height) {
        return {width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    }
    bool operator==(const Picture&) const = default;
};

struct NonogramClues {
    int Width = 0;
    int Height = 0;
    std::vector<std::vector<int>> Rows;    // Height lists, each from the left
    std::vector<std::vector<int>> Columns; // Width lists, each from the top

    bool operator==(const NonogramClues&) const = default;
};

// The runs of each row and column of the picture.
NonogramClues CluesOf(const Picture& picture);
