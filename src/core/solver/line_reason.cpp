// Shrinking a line's reason by solving the line again without each known cell.
#include "solver/line_reason.h"

bool LineConcludes(std::span<const int> runs, int length, const LineState& known,
                   LineConclusion conclusion) {
    LineState line = known;
    if (!SolveLineBits(runs, length, line))
        return conclusion.Position < 0;
    if (conclusion.Position < 0)
        return false;
    return conclusion.Value == LineCell::Filled ? line.Filled.Has(conclusion.Position)
                                                : line.Empty.Has(conclusion.Position);
}

LineState ShrinkLineReason(std::span<const int> runs, int length, LineState known,
                           std::span<const int> dropOrder, LineConclusion conclusion) {
    for (int position : dropOrder) {
        LineState without = known;
        without.Filled.Remove(position);
        without.Empty.Remove(position);
        if (without != known && LineConcludes(runs, length, without, conclusion))
            known = without;
    }
    return known;
}
