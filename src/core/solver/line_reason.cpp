// Shrinking a line's reason by fitting the line again without each known cell.
#include "solver/line_reason.h"

// The line solver is exact, so it concludes a value exactly when no arrangement with the other
// value fits, and one sweep of the line tells that.
bool LineConcludes(std::span<const int> runs, int length, const LineState& known,
                   LineConclusion conclusion) {
    if (conclusion.Position < 0)
        return !LineFits(runs, length, known);
    LineState opposite = known;
    if (conclusion.Value == LineCell::Filled) {
        opposite.Filled.Remove(conclusion.Position);
        opposite.Empty.Add(conclusion.Position);
    } else {
        opposite.Empty.Remove(conclusion.Position);
        opposite.Filled.Add(conclusion.Position);
    }
    return !LineFits(runs, length, opposite);
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
