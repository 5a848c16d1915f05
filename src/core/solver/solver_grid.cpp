// Line propagation over a grid with an undo trail.
#include "solver/solver_grid.h"

#include <algorithm>
#include <iterator>

SolverGrid::SolverGrid(const NonogramClues& clues, const std::atomic<bool>* cancel)
    : width_(clues.Width), height_(clues.Height),
      cells_(static_cast<std::size_t>(width_) * height_, LineCell::Unknown),
      unknownCells_(width_ * height_), queued_(static_cast<std::size_t>(LineCount())),
      lineBuffer_(static_cast<std::size_t>(std::max(width_, height_))), cancel_(cancel) {
    auto keepRuns = [this](const std::vector<int>& runs) {
        std::vector<int>& kept = runs_.emplace_back();
        std::ranges::copy_if(runs, std::back_inserter(kept), [](int run) { return run > 0; });
    };
    std::ranges::for_each(clues.Rows, keepRuns);
    std::ranges::for_each(clues.Columns, keepRuns);
    for (int line = 0; line < LineCount(); ++line) {
        unknownInLine_.push_back(LineLength(line));
        Enqueue(line);
    }
}

void SolverGrid::Assign(int cell, LineCell value) {
    Settle(cell, value);
    Enqueue(cell / width_);
    Enqueue(height_ + cell % width_);
}

void SolverGrid::Settle(int cell, LineCell value) {
    cells_[cell] = value;
    trail_.push_back(cell);
    --unknownInLine_[cell / width_];
    --unknownInLine_[height_ + cell % width_];
    --unknownCells_;
}

void SolverGrid::Enqueue(int line) {
    if (queued_[line] != 0)
        return;
    queued_[line] = 1;
    queue_.push_back(line);
}

bool SolverGrid::Propagate() {
    // The queue is worked as a stack: a line just changed by its neighbour is the likeliest to
    // change again, and the order does not affect the result.
    while (!queue_.empty()) {
        const int line = queue_.back();
        queue_.pop_back();
        queued_[line] = 0;
        if (Cancelled() || !SolveQueuedLine(line)) {
            for (int waiting : queue_)
                queued_[waiting] = 0;
            queue_.clear();
            return false;
        }
    }
    return true;
}

bool SolverGrid::SolveQueuedLine(int line) {
    const int length = LineLength(line);
    const std::span<LineCell> buffer(lineBuffer_.data(), static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        buffer[i] = cells_[CellOf(line, i)];
    ++linePasses_;
    if (!SolveLine(runs_[line], buffer))
        return false;
    for (int i = 0; i < length; ++i) {
        const int cell = CellOf(line, i);
        if (cells_[cell] != buffer[i]) {
            Settle(cell, buffer[i]);
            Enqueue(IsRow(line) ? height_ + i : i);
        }
    }
    return true;
}

void SolverGrid::Undo(std::size_t mark) {
    while (trail_.size() > mark) {
        const int cell = trail_.back();
        trail_.pop_back();
        cells_[cell] = LineCell::Unknown;
        ++unknownInLine_[cell / width_];
        ++unknownInLine_[height_ + cell % width_];
        ++unknownCells_;
    }
}

int SolverGrid::ChooseCell() const {
    int best = -1;
    for (int line = 0; line < LineCount(); ++line) {
        if (unknownInLine_[line] > 0 && (best < 0 || unknownInLine_[line] < unknownInLine_[best]))
            best = line;
    }
    int chosen = -1;
    for (int i = 0; i < LineLength(best); ++i) {
        const int cell = CellOf(best, i);
        if (cells_[cell] != LineCell::Unknown)
            continue;
        const bool besideFilled =
            (i > 0 && cells_[CellOf(best, i - 1)] == LineCell::Filled) ||
            (i + 1 < LineLength(best) && cells_[CellOf(best, i + 1)] == LineCell::Filled);
        if (besideFilled)
            return cell;
        if (chosen < 0)
            chosen = cell;
    }
    return chosen;
}

bool SolverGrid::BesideKnown(int cell) const {
    const int x = cell % width_;
    const int y = cell / width_;
    return (x > 0 && cells_[cell - 1] != LineCell::Unknown) ||
           (x + 1 < width_ && cells_[cell + 1] != LineCell::Unknown) ||
           (y > 0 && cells_[cell - width_] != LineCell::Unknown) ||
           (y + 1 < height_ && cells_[cell + width_] != LineCell::Unknown);
}

Picture SolverGrid::ToPicture() const {
    Picture picture = Picture::Blank(width_, height_);
    for (std::size_t i = 0; i < cells_.size(); ++i)
        picture.Cells[i] = cells_[i] == LineCell::Filled ? 1 : 0;
    return picture;
}
