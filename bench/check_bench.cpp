// How long Check Puzzle takes to give its verdict: on every puzzle of the shipped collection, and
// on dense random 128 x 128 drawings.
#include "editor/puzzle_check.h"
#include "model/puzzle_file.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

namespace {

std::vector<PuzzleRecord> ShippedPuzzles() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(QUORVANE_PROGRAM_DIR) / "Puzzles"))
        if (entry.path().extension() == ".qvf")
            paths.push_back(entry.path());
    std::ranges::sort(paths);
    std::vector<PuzzleRecord> puzzles;
    for (const auto& path : paths)
        if (ReadGamePuzzleFile(path, puzzles.emplace_back()) != FileReadStatus::Ok)
            puzzles.pop_back();
    return puzzles;
}

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

// The median of a few checks of one puzzle, in milliseconds; counts a verdict other than the
// expected one.
double CheckMilliseconds(const PuzzleRecord& puzzle, CheckVerdict expected, int& unexpected) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        unexpected += CheckPuzzle(puzzle).Verdict == expected ? 0 : 1;
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return Median(times);
}

// Every shipped puzzle is unique by lines; the largest is also reported on its own.
void CheckShippedCollection(benchmark::State& state) {
    const std::vector<PuzzleRecord> puzzles = ShippedPuzzles();
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles in the program folder");
        return;
    }
    const auto largest = std::ranges::max_element(
        puzzles, {}, [](const PuzzleRecord& puzzle) { return puzzle.Width * puzzle.Height; });
    for (auto _ : state) {
        int unexpected = 0;
        std::vector<double> times;
        for (const PuzzleRecord& puzzle : puzzles)
            times.push_back(CheckMilliseconds(puzzle, CheckVerdict::UniqueByLines, unexpected));
        state.counters["puzzles"] = static_cast<double>(puzzles.size());
        state.counters["unexpected"] = unexpected;
        state.counters["median_ms"] = Median(times);
        state.counters["slowest_ms"] = std::ranges::max(times);
        state.counters["largest_side"] = std::max(largest->Width, largest->Height);
        state.counters["largest_ms"] =
            CheckMilliseconds(*largest, CheckVerdict::UniqueByLines, unexpected);
    }
}
BENCHMARK(CheckShippedCollection)->Iterations(1)->Unit(benchmark::kMillisecond);

// The collection holds no 128 x 128 puzzle, so random dense drawings of that size stand in for one:
// they are unique by lines like every shipped puzzle.
void CheckDenseDrawing128(benchmark::State& state) {
    std::mt19937 random(80);
    std::vector<PuzzleRecord> drawings(9);
    for (PuzzleRecord& drawing : drawings) {
        drawing.Width = MaxGridSide;
        drawing.Height = MaxGridSide;
        for (std::uint16_t& cell : drawing.Solution.Cells)
            cell = random() % 100 < 80 ? 1 : 0;
    }
    for (auto _ : state) {
        int unexpected = 0;
        std::vector<double> times;
        for (const PuzzleRecord& drawing : drawings)
            times.push_back(CheckMilliseconds(drawing, CheckVerdict::UniqueByLines, unexpected));
        state.counters["drawings"] = static_cast<double>(drawings.size());
        state.counters["unexpected"] = unexpected;
        state.counters["median_ms"] = Median(times);
        state.counters["slowest_ms"] = std::ranges::max(times);
    }
}
BENCHMARK(CheckDenseDrawing128)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
