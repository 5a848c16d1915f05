// The race between the learning search and the SAT back end, on two threads.
#include "solver/search_race.h"

#include "solver/learning_search.h"
#include "solver/sat_search.h"
#include "solver/timed_search.h"

#include <atomic>
#include <thread>

namespace {

// One side of the race. It has won when it reached a verdict before its rival stopped it: a
// stopped search fails its propagation as if from a contradiction, so what it found after is not
// to be trusted.
struct Racer {
    Racer(const SolverGrid& start, const SearchNodes& nodes)
        : Grid(start), Nodes(nodes.RacingSlice(&Lost)) {
        Grid.StopAlsoOn(&Lost);
    }

    template <typename Search> void Run(Search search, SolveStage stage, Racer& rival) {
        Report.DecidedBy = stage;
        search(Grid, Nodes, Report);
        Won = Report.Outcome != Verdict::Unknown && !Grid.Cancelled();
        if (Won)
            rival.Lost = true;
    }

    std::atomic<bool> Lost = false;
    SolverGrid Grid;
    SearchNodes Nodes;
    SolveReport Report;
    bool Won = false;
};

} // namespace

void RaceSearches(const SolverGrid& grid, SearchNodes& nodes, SolveReport& report,
                  std::chrono::microseconds learningTime) {
    Racer learning(grid, nodes);
    Racer sat(grid, nodes);
    std::thread learner([&] {
        learning.Run(
            [learningTime](SolverGrid& g, SearchNodes& n, SolveReport& r) {
                const auto learn = [](SolverGrid& lg, SearchNodes& ln, SolveReport& lr) {
                    SearchLearning(lg, ln, lr);
                };
                if (SettledWithin(learningTime, g, n, r, learn))
                    return;
                r.DecidedBy = SolveStage::Sat;
                SearchSat(g, n, r, SatSettings::Defaults);
            },
            SolveStage::Search, sat);
    });
    sat.Run([](SolverGrid& g, SearchNodes& n, SolveReport& r) { SearchSat(g, n, r); },
            SolveStage::Sat, learning);
    learner.join();
    nodes.Absorb(learning.Nodes);
    nodes.Absorb(sat.Nodes);
    // The copies started with the grid's count.
    const std::uint64_t linePasses =
        learning.Grid.LinePasses() + sat.Grid.LinePasses() - 2 * grid.LinePasses();
    // Both can win when they end at once; their verdicts agree.
    if (learning.Won)
        report = learning.Report;
    else if (sat.Won)
        report = sat.Report;
    else
        report.Outcome = Verdict::Unknown;
    report.LinePasses = linePasses;
}
