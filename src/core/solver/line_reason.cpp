// Shrinking a line's reason by fitting the line again without each known cell.
#include "solver/line_reason.h"

namespace {

// The known cells with the concluded cell given its other value, if there is one: the conclusion
// holds exactly when no arrangement fits these.
LineState Opposite(LineState known, LineConclusion conclusion) {
    if (conclusion.Position < 0)
        return known;
    known.Filled.Remove(conclusion.Position);
    known.Empty.Remove(conclusion.Position);
    (conclusion.Value == LineCell::Filled ? known.Empty : known.Filled).Add(conclusion.Position);
    return known;
}

} // namespace

// The line solver is exact, so it concludes a value exactly when no arrangement with the other
// value fits, and one sweep of the line tells that.
bool LineConcludes(std::span<const int> runs, int length, const LineState& known,
                   LineConclusion conclusion) {
    return !LineFits(runs, length, Opposite(known, conclusion));
}

LineState ShrinkLineReason(std::span<const int> runs, int length, LineState known,
                           std::span<const int> dropOrder, LineConclusion conclusion) {
    LineState opposite = Opposite(known, conclusion);
    for (int position : dropOrder) {
        LineState without = opposite;
        without.Filled.Remove(position);
        without.Empty.Remove(position);
        if (!LineFits(runs, length, without)) {
            opposite = without;
            known.Filled.Remove(position);
            known.Empty.Remove(position);
        }
    }
    return known;
}
