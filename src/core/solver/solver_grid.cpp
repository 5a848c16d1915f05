// Line propagation over a grid of row and column bit sets, with an undo trail.
#include "solver/solver_grid.h"

#include <algorithm>
#include <iterator>

SolverGrid::SolverGrid(const NonogramClues& clues, const std::atomic<bool>* cancel)
    : Width_(clues.Width), Height_(clues.Height),
      Lines_(static_cast<std::size_t>(Width_ + Height_)),
      Solved(Lines_.size(), LineState{~LineBits{0}, ~LineBits{0}}),
      Values(static_cast<std::size_t>(Width_ * Height_), LineCell::Unknown),
      SettledBy_(static_cast<std::size_t>(Width_ * Height_), -1), UnknownCells(Width_ * Height_),
      NewlyKnown(Lines_.size()), Cancel(cancel) {
    auto keepRuns = [this](const std::vector<int>& runs) {
        std::vector<int>& kept = Runs_.emplace_back();
        std::ranges::copy_if(runs, std::back_inserter(kept), [](int run) { return run > 0; });
    };
    std::ranges::for_each(clues.Rows, keepRuns);
    std::ranges::for_each(clues.Columns, keepRuns);
    // Every line is queued once; those with the most of their length taken by runs come first,
    // since they settle the most cells.
    for (int line = 0; line < LineCount(); ++line) {
        int taken = static_cast<int>(Runs_[line].size());
        for (int run : Runs_[line])
            taken += run;
        Enqueue(line, 1 + taken);
    }
}

void SolverGrid::Assign(int cell, LineCell value) {
    Settle(cell, value, -1);
    Enqueue(cell / Width_, 1);
    Enqueue(Height_ + cell % Width_, 1);
}

void SolverGrid::Settle(int cell, LineCell value, int line) {
    const int x = cell % Width_;
    const int y = cell / Width_;
    LineState& row = Lines_[y];
    LineState& column = Lines_[Height_ + x];
    if (value == LineCell::Filled) {
        row.Filled.Add(x);
        column.Filled.Add(y);
    } else {
        row.Empty.Add(x);
        column.Empty.Add(y);
    }
    Values[cell] = value;
    Trail.push_back(cell);
    SettledBy_[cell] = line;
    --UnknownCells;
}

void SolverGrid::Enqueue(int line, int newlyKnown) {
    if (NewlyKnown[line] == 0)
        Queue.push_back(line);
    NewlyKnown[line] += newlyKnown;
}

// The queue is short (at most every line once), so the line with the most cells learnt since it
// was queued is found by looking at all of them: those are the lines likeliest to yield more.
int SolverGrid::TakeMostPromisingLine() {
    auto best = Queue.begin();
    for (auto it = Queue.begin() + 1; it < Queue.end(); ++it)
        if (NewlyKnown[*it] > NewlyKnown[*best])
            best = it;
    const int line = *best;
    *best = Queue.back();
    Queue.pop_back();
    NewlyKnown[line] = 0;
    return line;
}

bool SolverGrid::Propagate() {
    while (!Queue.empty()) {
        const int line = TakeMostPromisingLine();
        const bool cancelled = Cancelled();
        if (cancelled || !SolveQueuedLine(line)) {
            FailedLine_ = cancelled ? -1 : line;
            for (int waiting : Queue)
                NewlyKnown[waiting] = 0;
            Queue.clear();
            return false;
        }
    }
    return true;
}

bool SolverGrid::SolveQueuedLine(int line) {
    const LineState before = Lines_[line];
    if (before == Solved[line])
        return true;
    LineState after = before;
    ++LinePasses_;
    if (!SolveLineBits(Runs_[line], LineLength(line), after))
        return false;
    Solved[line] = after;
    LineBits learnt = (after.Filled & ~before.Filled) | (after.Empty & ~before.Empty);
    while (learnt != 0) {
        const int low = LowestCell(learnt);
        learnt &= learnt - 1;
        Settle(CellOf(line, low), after.Filled.Has(low) ? LineCell::Filled : LineCell::Empty, line);
        Enqueue(IsRow(line) ? Height_ + low : low, 1);
    }
    return true;
}

void SolverGrid::Undo(std::size_t mark) {
    while (Trail.size() > mark) {
        const int cell = Trail.back();
        Trail.pop_back();
        const int x = cell % Width_;
        const int y = cell / Width_;
        LineState& row = Lines_[y];
        LineState& column = Lines_[Height_ + x];
        row.Filled.Remove(x);
        row.Empty.Remove(x);
        column.Filled.Remove(y);
        column.Empty.Remove(y);
        Values[cell] = LineCell::Unknown;
        ++UnknownCells;
    }
}

int SolverGrid::ChooseCell() const {
    int best = -1;
    int bestUnknown = 0;
    for (int line = 0; line < LineCount(); ++line) {
        const LineState& state = Lines_[line];
        const int unknown = LineLength(line) - CountCells(state.Filled | state.Empty);
        if (unknown > 0 && (best < 0 || unknown < bestUnknown)) {
            best = line;
            bestUnknown = unknown;
        }
    }
    const LineState& state = Lines_[best];
    const LineBits unknown = FirstCells(LineLength(best)) & ~(state.Filled | state.Empty);
    const LineBits besideFilled = unknown & (state.Filled << 1 | state.Filled >> 1);
    const LineBits pick = besideFilled != 0 ? besideFilled : unknown;
    return CellOf(best, LowestCell(pick));
}

bool SolverGrid::BesideKnown(int cell) const {
    const int x = cell % Width_;
    const int y = cell / Width_;
    auto known = [this](int at) { return At(at) != LineCell::Unknown; };
    return (x > 0 && known(cell - 1)) || (x + 1 < Width_ && known(cell + 1)) ||
           (y > 0 && known(cell - Width_)) || (y + 1 < Height_ && known(cell + Width_));
}

Picture SolverGrid::ToPicture() const {
    Picture picture = Picture::Blank(Width_, Height_);
    for (int y = 0; y < Height_; ++y)
        for (int x = 0; x < Width_; ++x)
            picture.Set(x, y, Lines_[y].Filled.Has(x));
    return picture;
}
