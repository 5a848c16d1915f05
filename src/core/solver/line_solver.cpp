// The line solver: forward and backward reachability over (cell, runs placed) states.
#include "solver/line_solver.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace {

// One line's reachability tables. A run other than the last owns the empty cell after it, so
// placing run j always moves from a "j runs placed" state to a "j + 1 runs placed" state
// without having to know whether the previous cell ended a run. The tables live in one
// per-thread buffer because the search solves lines by the million.
class LineTables {
public:
    LineTables(std::span<const int> runs, std::span<const LineCell> cells)
        : runs_(runs.data()), cells_(cells.data()), length_(static_cast<int>(cells.size())),
          runCount_(static_cast<int>(runs.size())) {
        const std::size_t table = static_cast<std::size_t>(runCount_ + 1) * (length_ + 1);
        thread_local std::vector<int> storage;
        storage.assign(2 * table + 2 * (static_cast<std::size_t>(length_) + 1), 0);
        forward_ = storage.data();
        backward_ = forward_ + table;
        emptyBefore_ = backward_ + table;
        fillDelta_ = emptyBefore_ + length_ + 1;
        for (int i = 0; i < length_; ++i)
            emptyBefore_[i + 1] = emptyBefore_[i] + (cells_[i] == LineCell::Empty ? 1 : 0);
        FillForward();
        FillBackward();
    }

    bool Consistent() const { return backward_[0] != 0; }

    // Narrows each unknown cell to the one value every fitting arrangement gives it.
    void Narrow(std::span<LineCell> cells) const {
        // Filled spans are added as +1/-1 at their ends so that marking stays linear in length;
        // a run's own gap is counted as a possible empty cell there too.
        std::vector<bool> canEmpty(cells.size());
        for (int j = 0; j < runCount_; ++j) {
            for (int start = 0; start + Block(j) <= length_; ++start) {
                if (!Forward(j, start) || !Fits(j, start) || !Backward(j + 1, start + Block(j)))
                    continue;
                ++fillDelta_[start];
                --fillDelta_[start + runs_[j]];
                if (Block(j) > runs_[j])
                    canEmpty[start + runs_[j]] = true;
            }
        }
        int covering = 0;
        for (int i = 0; i < length_; ++i) {
            covering += fillDelta_[i];
            if (cells[i] != LineCell::Unknown)
                continue;
            bool mayBeEmpty = canEmpty[i];
            for (int j = 0; j <= runCount_ && !mayBeEmpty; ++j)
                mayBeEmpty = Forward(j, i) && Backward(j, i + 1);
            if (mayBeEmpty != (covering > 0))
                cells[i] = mayBeEmpty ? LineCell::Empty : LineCell::Filled;
        }
    }

private:
    int Block(int run) const { return runs_[run] + (run + 1 < runCount_ ? 1 : 0); }

    // Whether run j can start at the cell: no empty cell under it, and its own gap not filled.
    bool Fits(int run, int start) const {
        const int end = start + runs_[run];
        if (end > length_ || emptyBefore_[end] != emptyBefore_[start])
            return false;
        return Block(run) == runs_[run] || (end < length_ && cells_[end] != LineCell::Filled);
    }

    std::size_t Index(int placed, int cell) const {
        return static_cast<std::size_t>(placed) * (length_ + 1) + cell;
    }
    // The first `cell` cells hold exactly the first `placed` runs.
    bool Forward(int placed, int cell) const { return forward_[Index(placed, cell)] != 0; }
    // The cells from `cell` on hold exactly the runs from `placed` on.
    bool Backward(int placed, int cell) const { return backward_[Index(placed, cell)] != 0; }

    void FillForward() {
        forward_[Index(0, 0)] = 1;
        for (int cell = 1; cell <= length_; ++cell) {
            const bool mayBeEmpty = cells_[cell - 1] != LineCell::Filled;
            for (int placed = 0; placed <= runCount_; ++placed) {
                bool reached = mayBeEmpty && Forward(placed, cell - 1);
                if (!reached && placed > 0) {
                    const int start = cell - Block(placed - 1);
                    reached = start >= 0 && Forward(placed - 1, start) && Fits(placed - 1, start);
                }
                forward_[Index(placed, cell)] = reached ? 1 : 0;
            }
        }
    }

    void FillBackward() {
        backward_[Index(runCount_, length_)] = 1;
        for (int cell = length_ - 1; cell >= 0; --cell) {
            const bool mayBeEmpty = cells_[cell] != LineCell::Filled;
            for (int placed = runCount_; placed >= 0; --placed) {
                bool reached = mayBeEmpty && Backward(placed, cell + 1);
                if (!reached && placed < runCount_) {
                    const int end = cell + Block(placed);
                    reached = end <= length_ && Fits(placed, cell) && Backward(placed + 1, end);
                }
                backward_[Index(placed, cell)] = reached ? 1 : 0;
            }
        }
    }

    const int* runs_;
    const LineCell* cells_;
    int length_;
    int runCount_;
    int* forward_;
    int* backward_;
    int* emptyBefore_; // known empty cells before each cell
    int* fillDelta_;
};

} // namespace

bool SolveLine(std::span<const int> runs, std::span<LineCell> cells) {
    if (std::ranges::any_of(runs, [](int run) { return run < 0; }))
        return false;
    if (std::ranges::find(runs, 0) != runs.end()) {
        std::vector<int> present;
        std::ranges::copy_if(runs, std::back_inserter(present), [](int run) { return run > 0; });
        return SolveLine(present, cells);
    }
    // Runs that cannot fit side by side are refused before the tables, which assume they can.
    std::int64_t needed = static_cast<std::int64_t>(runs.size()) - 1;
    for (int run : runs)
        needed += run;
    if (needed > static_cast<std::int64_t>(cells.size()))
        return false;
    const LineTables tables(runs, cells);
    if (!tables.Consistent())
        return false;
    tables.Narrow(cells);
    return true;
}
