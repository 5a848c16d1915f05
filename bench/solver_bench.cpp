// How long the solver takes: one long line, line-solvable 128 x 128 puzzles, full verdicts on
// random 30 x 30 and 50 x 50 pictures, and half-filled 128 x 128 drawings, with the median,
// slowest, threshold and verdict counts as counters.
#include "solver/line_solver.h"
#include "solver/puzzle_solver.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace {

Picture RandomPicture(std::mt19937& random, int side, int filledPercent) {
    Picture picture = Picture::Blank(side, side);
    for (std::uint8_t& cell : picture.Cells)
        cell = static_cast<int>(random() % 100) < filledPercent ? 1 : 0;
    return picture;
}

// What the solver is given: the clues alone, as when importing clue files, or also the picture
// they were drawn from, as in the editor's check and a puzzle file.
enum class Given { Clues, Drawing };

// Seconds per solve of each picture's clues, sorted, and how many ended with each verdict and in
// each stage.
struct SolveTimes {
    std::vector<double> Seconds;
    int Verdicts[5] = {};
    int Stages[4] = {};
};

// Cancels a solve from a thread of its own once it has run for the cap, and otherwise ends with it.
class SolveCap {
public:
    SolveCap(std::chrono::seconds cap, std::atomic<bool>& cancel)
        : Waiter([this, cap, &cancel] {
              std::unique_lock lock(Mutex);
              if (!Ended.wait_for(lock, cap, [this] { return Done; }))
                  cancel = true;
          }) {}
    ~SolveCap() {
        {
            std::lock_guard lock(Mutex);
            Done = true;
        }
        Ended.notify_one();
        Waiter.join();
    }

private:
    std::mutex Mutex;
    std::condition_variable Ended;
    bool Done = false;
    std::thread Waiter;
};

// A cap of 0 seconds lets each solve run to its end.
SolveTimes TimeSolves(const std::vector<Picture>& pictures, Given given, SolveBudget budget = {},
                      SearchBackEnd backEnd = SearchBackEnd::ShortSearchThenRace,
                      std::chrono::seconds cap = std::chrono::seconds{0}) {
    SolveTimes times;
    for (const Picture& picture : pictures) {
        const NonogramClues clues = CluesOf(picture);
        std::atomic<bool> cancel = false;
        std::optional<SolveCap> timer;
        if (cap.count() > 0) {
            budget.Cancel = &cancel;
            timer.emplace(cap, cancel);
        }
        const auto start = std::chrono::steady_clock::now();
        const SolveReport report = given == Given::Drawing
                                       ? SolveDrawnPuzzle(picture, budget, backEnd)
                                       : SolvePuzzle(clues, budget, backEnd);
        times.Seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        timer.reset();
        ++times.Verdicts[static_cast<int>(report.Outcome)];
        ++times.Stages[static_cast<int>(report.DecidedBy)];
    }
    std::ranges::sort(times.Seconds);
    return times;
}

void Count(benchmark::State& state, const SolveTimes& times) {
    const std::vector<double>& seconds = times.Seconds;
    state.counters["puzzles"] = static_cast<double>(seconds.size());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["slowest_ms"] = seconds.back() * 1e3;
    state.counters["under_100ms"] =
        static_cast<double>(std::ranges::count_if(seconds, [](double s) { return s < 0.1; }));
    state.counters["under_1s"] =
        static_cast<double>(std::ranges::count_if(seconds, [](double s) { return s < 1.0; }));
    const char* verdicts[] = {"by_lines", "by_search", "several", "none", "unknown"};
    for (int i = 0; i < 5; ++i)
        state.counters[verdicts[i]] = times.Verdicts[i];
    const char* stages[] = {"in_lines", "in_probing", "in_tree", "in_sat"};
    for (int i = 0; i < 4; ++i)
        state.counters[stages[i]] = times.Stages[i];
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
    std::vector<Picture> pictures;
    while (pictures.size() < 60) {
        const Picture picture = RandomPicture(random, 128, 78 + random() % 8);
        if (SolvePuzzle(CluesOf(picture), SolveBudget{.MaxSearchNodes = 0}).Outcome ==
            Verdict::UniqueByLines)
            pictures.push_back(picture);
    }
    for (auto _ : state)
        Count(state, TimeSolves(pictures, Given::Clues));
}
BENCHMARK(LineSolvableLargest)->Iterations(1)->Unit(benchmark::kMillisecond);

std::vector<Picture> Random30() {
    std::mt19937 random(30);
    std::vector<Picture> pictures;
    for (int i = 0; i < 200; ++i)
        pictures.push_back(RandomPicture(random, 30, 35 + static_cast<int>(random() % 31)));
    return pictures;
}

// Every puzzle must end with a verdict, so the default back end and SAT alone have no budget; the
// depth-first search has one that bounds its worst cases. From clues alone, they show why the
// default starts with a short search and then races the learning search against SAT; with the
// drawing, as the editor and puzzle files give it, a search near the drawing settles nearly every
// puzzle.
void VerdictRandom30(benchmark::State& state, Given given, SearchBackEnd backEnd,
                     SolveBudget budget, std::chrono::seconds cap = std::chrono::seconds{0}) {
    const std::vector<Picture> pictures = Random30();
    for (auto _ : state)
        Count(state, TimeSolves(pictures, given, budget, backEnd, cap));
}
BENCHMARK_CAPTURE(VerdictRandom30, Drawing, Given::Drawing, SearchBackEnd::ShortSearchThenRace,
                  SolveBudget{})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom30, ShortSearchThenRace, Given::Clues,
                  SearchBackEnd::ShortSearchThenRace, SolveBudget{})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom30, Sat, Given::Clues, SearchBackEnd::Sat, SolveBudget{})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom30, Tree, Given::Clues, SearchBackEnd::Tree,
                  SolveBudget{.MaxSearchNodes = 200'000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
// The learning search leaves a few puzzles to run for minutes, so each has a minute at most.
BENCHMARK_CAPTURE(VerdictRandom30, Learning, Given::Clues, SearchBackEnd::Learning, SolveBudget{},
                  std::chrono::seconds{60})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom30, LearningDrawing, Given::Drawing, SearchBackEnd::Learning,
                  SolveBudget{}, std::chrono::seconds{60})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// 200 pictures at 50 %, the density that is hardest from clues alone.
void VerdictHalfFilled30(benchmark::State& state, SearchBackEnd backEnd) {
    std::mt19937 random(31);
    std::vector<Picture> pictures;
    for (int i = 0; i < 200; ++i)
        pictures.push_back(RandomPicture(random, 30, 50));
    for (auto _ : state)
        Count(state, TimeSolves(pictures, Given::Clues, {}, backEnd, std::chrono::seconds{60}));
}
BENCHMARK_CAPTURE(VerdictHalfFilled30, ShortSearchThenRace, SearchBackEnd::ShortSearchThenRace)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictHalfFilled30, Sat, SearchBackEnd::Sat)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictHalfFilled30, Learning, SearchBackEnd::Learning)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// From clues alone these take minutes in all.
void VerdictRandom50(benchmark::State& state, Given given) {
    std::mt19937 random(50);
    std::vector<Picture> pictures;
    for (int i = 0; i < 100; ++i)
        pictures.push_back(RandomPicture(random, 50, 50));
    for (auto _ : state)
        Count(state, TimeSolves(pictures, given));
}
BENCHMARK_CAPTURE(VerdictRandom50, Drawing, Given::Drawing)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom50, Clues, Given::Clues)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// 50 pictures at 50 % from clues alone, one at a time with a minute each: the unknown counter
// says how many the cap cut short.
void VerdictRandom50Capped(benchmark::State& state, SearchBackEnd backEnd) {
    std::mt19937 random(50);
    std::vector<Picture> pictures;
    for (int i = 0; i < 50; ++i)
        pictures.push_back(RandomPicture(random, 50, 50));
    for (auto _ : state)
        Count(state, TimeSolves(pictures, Given::Clues, {}, backEnd, std::chrono::seconds{60}));
}
BENCHMARK_CAPTURE(VerdictRandom50Capped, ShortSearchThenRace, SearchBackEnd::ShortSearchThenRace)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom50Capped, Sat, SearchBackEnd::Sat)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerdictRandom50Capped, Learning, SearchBackEnd::Learning)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// What the editor's check meets when someone draws noise over the whole largest grid.
void VerdictHalfFilled128(benchmark::State& state) {
    std::mt19937 random(64);
    std::vector<Picture> pictures;
    for (int i = 0; i < 5; ++i)
        pictures.push_back(RandomPicture(random, 128, 50));
    for (auto _ : state)
        Count(state, TimeSolves(pictures, Given::Drawing));
}
BENCHMARK(VerdictHalfFilled128)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
