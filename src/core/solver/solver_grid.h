// The search's working grid: known cells, line propagation, and an undo trail for backtracking.
#pragma once

#include "solver/line_solver.h"
#include "solver/nonogram.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Each row and each column is kept as a bit set, so a line is handed to the line solver without
// gathering its cells. Cells are undone from a trail of the cells set since a mark, so a search
// node costs the cells it settles rather than a copy of the grid.
class SolverGrid {
public:
    // The clues must already be known to fit their sizes; runs of 0 are dropped here. Once the
    // cancel flag, when given, is set, every propagation fails.
    explicit SolverGrid(const NonogramClues& clues, const std::atomic<bool>* cancel = nullptr);

    // Sets one unknown cell and queues its row and column for the next propagation.
    void Assign(int cell, LineCell value);
    // Solves queued lines until none changes; false on a contradiction or a cancel, either of
    // which empties the queue.
    bool Propagate();
    // The line whose solve found no arrangement in the last failed propagation; -1 after a cancel.
    int FailedLine() const { return FailedLine_; }
    // The line whose solve settled a known cell, or -1 for a cell set by Assign.
    int SettledBy(int cell) const { return SettledBy_[cell]; }
    bool Cancelled() const {
        return (Cancel != nullptr && Cancel->load(std::memory_order_relaxed)) ||
               (Stop != nullptr && Stop->load(std::memory_order_relaxed));
    }
    // Makes propagation fail, as a cancel does, also once this flag is set: a copy of the grid
    // racing another search is stopped so.
    void StopAlsoOn(const std::atomic<bool>* stop) { Stop = stop; }
    std::size_t TrailMark() const { return Trail.size(); }
    // The cells set since the mark, in the order they were set.
    std::span<const int> TrailSince(std::size_t mark) const {
        return std::span(Trail).subspan(mark);
    }
    // Makes every cell set since the mark unknown again.
    void Undo(std::size_t mark);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    bool Complete() const { return UnknownCells == 0; }
    int CellCount() const { return Width_ * Height_; }
    LineCell At(int cell) const { return Values[cell]; }
    // Whether a cell has a known cell above, below or beside it.
    bool BesideKnown(int cell) const;
    // An unknown cell in the line with the fewest unknowns, next to a filled cell where possible:
    // a guess there settles the most by propagation.
    int ChooseCell() const;
    Picture ToPicture() const;
    // Line solver calls that did work; a line whose cells did not change since it was last solved
    // is not solved again, and not counted.
    std::uint64_t LinePasses() const { return LinePasses_; }

    // Lines are numbered rows first, then columns.
    int LineCount() const { return Width_ + Height_; }
    bool IsRow(int line) const { return line < Height_; }
    int LineLength(int line) const { return IsRow(line) ? Width_ : Height_; }
    // The grid index of the position along a line.
    int CellOf(int line, int position) const {
        return IsRow(line) ? line * Width_ + position : position * Width_ + (line - Height_);
    }
    std::span<const int> Runs(int line) const { return Runs_[line]; }
    const LineState& Line(int line) const { return Lines_[line]; }

private:
    void Settle(int cell, LineCell value, int line);
    void Enqueue(int line, int newlyKnown);
    int TakeMostPromisingLine();
    bool SolveQueuedLine(int line);

    int Width_;
    int Height_;
    std::vector<std::vector<int>> Runs_; // rows then columns, without runs of 0
    std::vector<LineState> Lines_;       // rows then columns
    // The state each line was in when the line solver last left it; equal means nothing to do.
    std::vector<LineState> Solved;
    std::vector<LineCell> Values; // each cell's, kept beside the lines for reading one at a time
    std::vector<int> Trail;
    std::vector<int> SettledBy_;
    int FailedLine_ = -1;
    int UnknownCells;
    // Cells newly known in each queued line since it was queued; 0 for a line not queued.
    std::vector<int> NewlyKnown;
    std::vector<int> Queue;
    std::uint64_t LinePasses_ = 0;
    const std::atomic<bool>* Cancel;
    const std::atomic<bool>* Stop = nullptr;
};
