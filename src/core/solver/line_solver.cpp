// The line solver: which starts each run can take, found for all positions at once with bit sets.
#include "solver/line_solver.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

// 128 cells hold at most 64 runs, each with a cell between it and the next.
constexpr int MaxRuns = MaxLineCells / 2;

// Lines of up to 64 cells, the most there are, are worked on in one word rather than two. The
// operations the sweeps need, for both:
using Word = std::uint64_t;
constexpr int WordCells = 64;

bool HasCell(Word bits, int position) {
    return (bits >> position & 1) != 0;
}
bool HasCell(LineBits bits, int position) {
    return bits.Has(position);
}
Word ShiftedUp(Word bits, int distance) {
    return distance >= WordCells ? 0 : bits << distance;
}
LineBits ShiftedUp(LineBits bits, int distance) {
    return ShiftUp(bits, distance);
}
Word ShiftedDown(Word bits, int distance) {
    return distance >= WordCells ? 0 : bits >> distance;
}
LineBits ShiftedDown(LineBits bits, int distance) {
    return ShiftDown(bits, distance);
}
Word Reversed(Word bits, int length) {
    return Reversed64(bits) >> (WordCells - length);
}
LineBits Reversed(LineBits bits, int length) {
    return ReversedLine(bits, length);
}

// The positions s whose cells s .. s + width - 1 are all in `cells`, by doubling the window.
template <typename Bits> [[gnu::always_inline]] inline Bits WindowsWithin(Bits cells, int width) {
    int covered = 1;
    while (covered * 2 <= width) {
        cells &= cells >> covered;
        covered *= 2;
    }
    return covered < width ? cells & ShiftedDown(cells, width - covered) : cells;
}

// Every cell of a run of `width` cells starting at one of `starts`.
template <typename Bits> [[gnu::always_inline]] inline Bits CoveredBy(Bits starts, int width) {
    int covered = 1;
    while (covered * 2 <= width) {
        starts |= starts << covered;
        covered *= 2;
    }
    return covered < width ? starts | ShiftedUp(starts, width - covered) : starts;
}

// The cells of `open` that can be reached from a seed cell by moving forward through `open`
// cells. Adding a seed to a stretch of set bits carries through to its end, so one addition
// floods every stretch; the seeds themselves are put back because a later seed in a stretch
// cancels its own bit.
template <typename Bits> Bits Flooded(Bits seeds, Bits open) {
    seeds &= open;
    return (((open + seeds) ^ open) | seeds) & open;
}

// One direction's reading of a line: the starts each run can take with the runs before it laid
// out fittingly, and for each gap (before run j, after the last for j = count) the cells that
// can be empty there with the runs before it laid out.
template <typename Bits> struct Sweep {
    std::array<Bits, MaxRuns> Starts;
    std::array<Bits, MaxRuns + 1> Gaps;
};

// `run(j)` is the j-th run in the sweep's direction; `mayFill` and `mayEmpty` are the cells that
// are not known empty and not known filled, in the same direction.
template <typename Bits, typename RunAt>
void SweepLine(int count, RunAt run, Bits mayFill, Bits mayEmpty, Sweep<Bits>& sweep) {
    // Before the first run, the empty cells run from the line's start.
    Bits gap = Flooded(Bits{1}, mayEmpty);
    for (int j = 0; j < count; ++j) {
        sweep.Gaps[j] = gap;
        // A run starts right after a cell that can be empty in the gap before it; the first run
        // may also start the line.
        const Bits after = gap << 1 | (j == 0 ? Bits{1} : Bits{0});
        const Bits starts = after & WindowsWithin(mayFill, run(j));
        sweep.Starts[j] = starts;
        gap = Flooded(ShiftedUp(starts, run(j)), mayEmpty);
    }
    sweep.Gaps[count] = gap;
}

// SolveLineBits over `cells`, the first `length` bits, with at least one run.
template <typename Bits>
bool SolveRuns(std::span<const int> runs, int length, Bits cells, Bits& filled, Bits& empty) {
    const Bits mayFill = cells & ~empty;
    const Bits mayEmpty = cells & ~filled;
    const int count = static_cast<int>(runs.size());
    // The backward sweep reads the line and its runs from the other end, so a start s of run j
    // there is the start length - s - run of the same run here.
    Sweep<Bits> forward;
    Sweep<Bits> backward;
    SweepLine(
        count, [&](int j) { return runs[j]; }, mayFill, mayEmpty, forward);
    SweepLine(
        count, [&](int j) { return runs[count - 1 - j]; }, Reversed(mayFill, length),
        Reversed(mayEmpty, length), backward);

    Bits canFill{0};
    Bits canEmpty{0};
    for (int j = 0; j < count; ++j) {
        const Bits fromEnd = Reversed(backward.Starts[count - 1 - j], length);
        const Bits starts = forward.Starts[j] & (fromEnd >> (runs[j] - 1));
        if (starts == Bits{0})
            return false;
        canFill |= CoveredBy(starts, runs[j]);
    }
    for (int j = 0; j <= count; ++j)
        canEmpty |= forward.Gaps[j] & Reversed(backward.Gaps[count - j], length);
    filled = cells & ~canEmpty;
    empty = cells & ~canFill;
    return true;
}

// LineFits over `cells`, the first `length` bits, with at least one run: the forward sweep
// without keeping what it reads, ending as soon as a run has nowhere to start.
template <typename Bits>
bool RunsFit(std::span<const int> runs, int length, Bits cells, Bits filled, Bits empty) {
    const Bits mayFill = cells & ~empty;
    const Bits mayEmpty = cells & ~filled;
    Bits gap = Flooded(Bits{1}, mayEmpty);
    Bits starts{0};
    for (std::size_t j = 0; j < runs.size(); ++j) {
        const Bits after = gap << 1 | (j == 0 ? Bits{1} : Bits{0});
        starts = after & WindowsWithin(mayFill, runs[j]);
        if (starts == Bits{0})
            return false;
        gap = Flooded(ShiftedUp(starts, runs[j]), mayEmpty);
    }
    // The line fits when its last run can end the line or the gap after it can reach the end.
    const int last = runs.back();
    return (last <= length && HasCell(starts, length - last)) || HasCell(gap, length - 1);
}

} // namespace

bool SolveLineBits(std::span<const int> runs, int length, LineState& line) {
    const LineBits cells = FirstCells(length);
    if (runs.empty()) {
        if (line.Filled != 0)
            return false;
        line.Empty = cells;
        return true;
    }
    if (length > WordCells)
        return SolveRuns(runs, length, cells, line.Filled, line.Empty);
    Word filled = line.Filled.Low();
    Word empty = line.Empty.Low();
    if (!SolveRuns(runs, length, cells.Low(), filled, empty))
        return false;
    line = {filled, empty};
    return true;
}

bool LineFits(std::span<const int> runs, int length, const LineState& line) {
    const LineBits cells = FirstCells(length);
    if (runs.empty())
        return (line.Filled & cells) == 0;
    if (length > WordCells)
        return RunsFit(runs, length, cells, line.Filled, line.Empty);
    return RunsFit(runs, length, cells.Low(), line.Filled.Low(), line.Empty.Low());
}

bool SolveLine(std::span<const int> runs, std::span<LineCell> cells) {
    if (cells.size() > static_cast<std::size_t>(MaxLineCells) ||
        std::ranges::any_of(runs, [](int run) { return run < 0; }))
        return false;
    std::vector<int> present;
    std::ranges::copy_if(runs, std::back_inserter(present), [](int run) { return run > 0; });
    // Runs that cannot fit side by side are refused before the sweeps, which assume they can.
    std::int64_t needed = static_cast<std::int64_t>(present.size()) - 1;
    for (int run : present)
        needed += run;
    const int length = static_cast<int>(cells.size());
    if (needed > length)
        return false;
    LineState line;
    for (int i = 0; i < length; ++i) {
        if (cells[i] == LineCell::Filled)
            line.Filled |= CellBit(i);
        else if (cells[i] == LineCell::Empty)
            line.Empty |= CellBit(i);
    }
    if (!SolveLineBits(present, length, line))
        return false;
    for (int i = 0; i < length; ++i)
        cells[i] = (line.Filled & CellBit(i)) != 0  ? LineCell::Filled
                   : (line.Empty & CellBit(i)) != 0 ? LineCell::Empty
                                                    : LineCell::Unknown;
    return true;
}
