// The splash picture as both systems draw it: the product name over a faded nonogram board, its
// sizes, places and colours in pixels.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace SplashDesign {

constexpr int WindowWidth = 360;
constexpr int WindowHeight = 200;

// The board's solved picture, a heart and a diamond; its clues are derived from it so the faded
// numbers always agree with the faded cells.
constexpr std::array<std::string_view, 7> BoardPicture = {
    ".##.##.....#..", //
    "#######...###.", //
    "#######..#####", //
    ".#####....###.", //
    "..###......#..", //
    "...#..........", //
    ".####..######.", //
};
constexpr int BoardRows = static_cast<int>(BoardPicture.size());
constexpr int BoardColumns = static_cast<int>(BoardPicture[0].size());

constexpr int CellSide = 20;
constexpr int ClueLineHeight = 10;
constexpr int ClueGap = 4;
constexpr int GridLeft = 64;
constexpr int GridTop = 44;
constexpr int GridRight = GridLeft + BoardColumns * CellSide;
constexpr int GridBottom = GridTop + BoardRows * CellSide;

constexpr std::string_view Name = "Quorvane";
constexpr int NamePixelSize = 52;

struct Colour {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// Everything but the name is washed out, so the board reads as a backdrop rather than a puzzle.
constexpr Colour BackgroundColour{0xFB, 0xFB, 0xF8};
constexpr Colour GridLineColour{0xE4, 0xE7, 0xEB};
constexpr Colour GridBorderColour{0xD3, 0xD8, 0xDF};
constexpr Colour FilledCellColour{0xDC, 0xE2, 0xEA};
constexpr Colour ClueColour{0xC4, 0xCB, 0xD4};
constexpr Colour NameColour{0x1F, 0x2A, 0x38};
constexpr Colour FrameColour{0x6B, 0x74, 0x80};

constexpr bool IsFilled(int row, int column) {
    return BoardPicture[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#';
}

// The top left corner of a cell's square, CellSide on each side.
struct CellSquare {
    int Left = 0;
    int Top = 0;
};
constexpr CellSquare CellAt(int row, int column) {
    return {GridLeft + column * CellSide, GridTop + row * CellSide};
}

// The lengths of the runs of filled cells along one line, in order.
template <typename CellFilled> std::vector<int> RunLengths(int length, CellFilled cellFilled) {
    std::vector<int> runs;
    int run = 0;
    for (int index = 0; index <= length; ++index) {
        if (index < length && cellFilled(index)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

inline std::vector<int> RowClue(int row) {
    return RunLengths(BoardColumns, [row](int column) { return IsFilled(row, column); });
}

inline std::vector<int> ColumnClue(int column) {
    return RunLengths(BoardRows, [column](int row) { return IsFilled(row, column); });
}

} // namespace SplashDesign
