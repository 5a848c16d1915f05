// The level (0..10) a puzzle is given from how hard the solver found it.
#include "puzzle_level.h"

#include <algorithm>
#include <cmath>

std::optional<int> LevelFromReport(const SolveReport& report, int width, int height) {
    if (report.Outcome != Verdict::UniqueByLines && report.Outcome != Verdict::UniqueBySearch)
        return std::nullopt;
    // Three things make a puzzle harder for a player, each counted on a doubling scale: its area
    // (a 5 x 5 adds nothing, a 128 x 128 about five and a half), how often the lines had to be
    // looked at again before the picture settled (two sweeps over every line are the least any
    // puzzle needs), and whether guessing was needed at all.
    const double area = static_cast<double>(width) * height;
    const double size = 0.6 * std::log2(std::max(area / 25.0, 1.0));
    const double sweeps = static_cast<double>(report.LinePasses) / (width + height);
    const double revisits = 1.5 * std::log2(std::max(sweeps / 2.0, 1.0));
    const double guessing = report.Outcome == Verdict::UniqueBySearch
                                ? 2.0 + std::log2(1.0 + static_cast<double>(report.SearchNodes))
                                : 0.0;
    return std::clamp(static_cast<int>(std::lround(size + revisits + guessing)), 0, 10);
}
