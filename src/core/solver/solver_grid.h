// The search's working grid: known cells, line propagation, and an undo trail for backtracking.
#pragma once

#include "solver/line_solver.h"
#include "solver/nonogram.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// Cells are undone from a trail of the cells set since a mark, so a search node costs the cells
// it settles rather than a copy of the grid.
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
    bool Cancelled() const {
        return cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
    }
    std::size_t TrailMark() const { return trail_.size(); }
    // Makes every cell set since the mark unknown again.
    void Undo(std::size_t mark);

    bool Complete() const { return unknownCells_ == 0; }
    int CellCount() const { return static_cast<int>(cells_.size()); }
    LineCell At(int cell) const { return cells_[cell]; }
    // Whether a cell has a known cell above, below or beside it.
    bool BesideKnown(int cell) const;
    // An unknown cell in the line with the fewest unknowns, next to a filled cell where possible:
    // a guess there settles the most by propagation.
    int ChooseCell() const;
    Picture ToPicture() const;
    std::uint64_t LinePasses() const { return linePasses_; }

private:
    int LineCount() const { return width_ + height_; }
    bool IsRow(int line) const { return line < height_; }
    // The grid index of the position along a line; rows come before columns in line numbers.
    int CellOf(int line, int position) const {
        return IsRow(line) ? line * width_ + position : position * width_ + (line - height_);
    }
    int LineLength(int line) const { return IsRow(line) ? width_ : height_; }
    void Settle(int cell, LineCell value);
    void Enqueue(int line);
    bool SolveQueuedLine(int line);

    int width_;
    int height_;
    std::vector<std::vector<int>> runs_; // rows then columns, without runs of 0
    std::vector<LineCell> cells_;
    std::vector<int> trail_;
    std::vector<int> unknownInLine_;
    int unknownCells_;
    std::vector<int> queue_;
    std::vector<std::uint8_t> queued_;
    std::vector<LineCell> lineBuffer_;
    std::uint64_t linePasses_ = 0;
    const std::atomic<bool>* cancel_;
};
