// How long the solver takes: one long line, line-solvable 128 x 128 puzzles, and full verdicts
// on random 30 x 30 pictures, with the median, slowest and threshold counts as counters.
#include "solver/line_solver.h"
#include "solver/puzzle_solver.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <vector>

namespace {

Picture RandomPicture(std::mt19937& random, int side, int filledPercent) {
    Picture picture = Picture::Blank(side, side);
    for (std::uint8_t& cell : picture.Cells)
        cell = static_cast<int>(random() % 100) < filledPercent ? 1 : 0;
    return picture;
}

// Seconds per solve of each clue set, sorted; counts the verdicts left unknown.
std::vector<double> SortedSolveTimes(const std::vector<NonogramClues>& puzzles, SolveBudget budget,
                                     int& unknown) {
    std::vector<double> seconds;
    unknown = 0;
    for (const NonogramClues& clues : puzzles) {
        const auto start = std::chrono::steady_clock::now();
        unknown += SolvePuzzle(clues, budget).Outcome == Verdict::Unknown ? 1 : 0;
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::ranges::sort(seconds);
    return seconds;
}

void SolveLongLine(benchmark::State& state) {
    std::mt19937 random(3);
    Picture line = RandomPicture(random, 128, 60);
    line.Height = 1;
    line.Cells.resize(128);
    const std::vector<int> runs = CluesOf(line).Rows[0];
    std::vector<LineCell> cells(128);
    for (auto _ : state) {
        std::ranges::fill(cells, LineCell::Unknown);
        benchmark::DoNotOptimize(SolveLine(runs, cells));
    }
    state.counters["runs"] = static_cast<double>(runs.size());
}
BENCHMARK(SolveLongLine);

// Dense pictures are almost always settled by line solving alone; a zero search budget keeps
// the others cheap to recognise and discard.
void LineSolvableLargest(benchmark::State& state) {
    std::mt19937 random(128);
    std::vector<NonogramClues> puzzles;
    while (puzzles.size() < 60) {
        const NonogramClues clues = CluesOf(RandomPicture(random, 128, 78 + random() % 8));
        if (SolvePuzzle(clues, SolveBudget{.MaxSearchNodes = 0}).Outcome == Verdict::UniqueByLines)
            puzzles.push_back(clues);
    }
    int unknown = 0;
    for (auto _ : state) {
        const std::vector<double> seconds = SortedSolveTimes(puzzles, {}, unknown);
        state.counters["puzzles"] = static_cast<double>(seconds.size());
        state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
        state.counters["slowest_ms"] = seconds.back() * 1e3;
    }
}
BENCHMARK(LineSolvableLargest)->Iterations(1)->Unit(benchmark::kMillisecond);

// The budget bounds the few loose, low-density pictures whose second solution hides deep in the
// tree; those are counted as unknown rather than left to run for a minute each.
void VerdictRandom30(benchmark::State& state) {
    std::mt19937 random(30);
    std::vector<NonogramClues> puzzles;
    for (int i = 0; i < 200; ++i)
        puzzles.push_back(CluesOf(RandomPicture(random, 30, 35 + static_cast<int>(random() % 31))));
    int unknown = 0;
    for (auto _ : state) {
        const std::vector<double> seconds =
            SortedSolveTimes(puzzles, SolveBudget{.MaxSearchNodes = 200'000}, unknown);
        state.counters["puzzles"] = static_cast<double>(seconds.size());
        state.counters["unknown"] = unknown;
        state.counters["under_100ms"] =
            static_cast<double>(std::ranges::count_if(seconds, [](double s) { return s < 0.1; }));
        state.counters["under_1s"] =
            static_cast<double>(std::ranges::count_if(seconds, [](double s) { return s < 1.0; }));
        state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
        state.counters["slowest_ms"] = seconds.back() * 1e3;
    }
}
BENCHMARK(VerdictRandom30)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
