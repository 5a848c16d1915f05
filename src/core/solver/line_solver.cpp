// The line solver: which starts each run can take, found for all positions at once with bit sets.
#include "solver/line_solver.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace {

// 128 cells hold at most 64 runs, each with a cell between it and the next.
constexpr int MaxRuns = MaxLineCells / 2;

// The positions s whose cells s .. s + width - 1 are all in `cells`, by doubling the window.
[[gnu::always_inline]] inline LineBits WindowsWithin(LineBits cells, int width) {
    int covered = 1;
    while (covered * 2 <= width) {
        cells &= cells >> covered;
        covered *= 2;
    }
    return covered < width ? cells & ShiftDown(cells, width - covered) : cells;
}

// Every cell of a run of `width` cells starting at one of `starts`.
[[gnu::always_inline]] inline LineBits CoveredBy(LineBits starts, int width) {
    int covered = 1;
    while (covered * 2 <= width) {
        starts |= starts << covered;
        covered *= 2;
    }
    return covered < width ? starts | ShiftUp(starts, width - covered) : starts;
}

// The cells of `open` that can be reached from a seed cell by moving forward through `open`
// cells. Adding a seed to a stretch of set bits carries through to its end, so one addition
// floods every stretch; the seeds themselves are put back because a later seed in a stretch
// cancels its own bit.
LineBits Flooded(LineBits seeds, LineBits open) {
    seeds &= open;
    return (((open + seeds) ^ open) | seeds) & open;
}

// One direction's reading of a line: the starts each run can take with the runs before it laid
// out fittingly, and for each gap (before run j, after the last for j = count) the cells that
// can be empty there with the runs before it laid out.
struct Sweep {
    std::array<LineBits, MaxRuns> Starts;
    std::array<LineBits, MaxRuns + 1> Gaps;
};

// `run(j)` is the j-th run in the sweep's direction; `mayFill` and `mayEmpty` are the cells that
// are not known empty and not known filled, in the same direction.
template <typename RunAt>
void SweepLine(int count, RunAt run, LineBits mayFill, LineBits mayEmpty, Sweep& sweep) {
    // Before the first run, the empty cells run from the line's start.
    LineBits gap = Flooded(1, mayEmpty);
    for (int j = 0; j < count; ++j) {
        sweep.Gaps[j] = gap;
        // A run starts right after a cell that can be empty in the gap before it; the first run
        // may also start the line.
        const LineBits after = gap << 1 | (j == 0 ? LineBits{1} : 0);
        const LineBits starts = after & WindowsWithin(mayFill, run(j));
        sweep.Starts[j] = starts;
        gap = Flooded(ShiftUp(starts, run(j)), mayEmpty);
    }
    sweep.Gaps[count] = gap;
}

} // namespace

bool SolveLineBits(std::span<const int> runs, int length, LineState& line) {
    const LineBits cells = FirstCells(length);
    const LineBits mayFill = cells & ~line.Empty;
    const LineBits mayEmpty = cells & ~line.Filled;
    const int count = static_cast<int>(runs.size());
    if (count == 0) {
        if (line.Filled != 0)
            return false;
        line.Empty = cells;
        return true;
    }
    // The backward sweep reads the line and its runs from the other end, so a start s of run j
    // there is the start length - s - run of the same run here.
    Sweep forward;
    Sweep backward;
    SweepLine(
        count, [&](int j) { return runs[j]; }, mayFill, mayEmpty, forward);
    SweepLine(
        count, [&](int j) { return runs[count - 1 - j]; }, ReversedLine(mayFill, length),
        ReversedLine(mayEmpty, length), backward);

    LineBits canFill = 0;
    LineBits canEmpty = 0;
    for (int j = 0; j < count; ++j) {
        const LineBits fromEnd = ReversedLine(backward.Starts[count - 1 - j], length);
        const LineBits starts = forward.Starts[j] & (fromEnd >> (runs[j] - 1));
        if (starts == 0)
            return false;
        canFill |= CoveredBy(starts, runs[j]);
    }
    for (int j = 0; j <= count; ++j)
        canEmpty |= forward.Gaps[j] & ReversedLine(backward.Gaps[count - j], length);
    line.Filled = cells & ~canEmpty;
    line.Empty = cells & ~canFill;
    return true;
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
