// qvtool check: the solver's verdict on a puzzle, how long it took and how hard it was.
#include "command.h"
#include "puzzle_level.h"
#include "solver/puzzle_solver.h"
#include "tool_files.h"

#include <chrono>
#include <iomanip>

namespace {

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::UniqueByLines:
        return "unique, solved line by line";
    case Verdict::UniqueBySearch:
        return "unique, but solving needs guessing";
    case Verdict::Several:
        return "several solutions";
    case Verdict::None:
        return "no solution";
    case Verdict::Unknown:
        return "unknown, the solver gave up";
    }
    return "unknown";
}

const char* StageText(SolveStage stage) {
    switch (stage) {
    case SolveStage::Lines:
        return "lines";
    case SolveStage::Probing:
        return "probing";
    case SolveStage::Search:
        return "search";
    case SolveStage::Sat:
        return "SAT";
    }
    return "unknown";
}

// At most this many differing cells are listed; a few show where the puzzle is ambiguous.
constexpr int MaxListedCells = 20;

void PrintDifferences(std::ostream& out, const Picture& first, const Picture& second) {
    int count = 0;
    std::string listed;
    for (int y = 0; y < first.Height; ++y)
        for (int x = 0; x < first.Width; ++x)
            if (first.Filled(x, y) != second.Filled(x, y) && ++count <= MaxListedCells)
                listed += " (" + std::to_string(x + 1) + "," + std::to_string(y + 1) + ")";
    out << "Two solutions differ in " << count << " cells (column,row):" << listed
        << (count > MaxListedCells ? " ..." : "") << '\n';
}

int RunCheck(const ToolArguments& arguments, std::ostream& out) {
    arguments.ExpectPositional(1, 1);
    const ClueFile puzzle = ReadClueFile(arguments.PathAt(0));
    const auto start = std::chrono::steady_clock::now();
    const SolveReport report = SolveClueFile(puzzle);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    out << "Size: " << puzzle.Clues.Width << " x " << puzzle.Clues.Height << '\n'
        << "Verdict: " << VerdictText(report.Outcome) << '\n'
        << "Decided by: " << StageText(report.DecidedBy) << '\n'
        << "Time: " << std::fixed << std::setprecision(1) << took.count() << " ms\n"
        << "Line passes: " << report.LinePasses << '\n'
        << "Search nodes: " << report.SearchNodes << '\n';
    if (const auto level = LevelFromReport(report, puzzle.Clues.Width, puzzle.Clues.Height))
        out << "Level: " << *level << '\n';
    if (report.Outcome == Verdict::Several && report.First && report.Second)
        PrintDifferences(out, *report.First, *report.Second);
    const bool unique =
        report.Outcome == Verdict::UniqueByLines || report.Outcome == Verdict::UniqueBySearch;
    return unique ? 0 : 1;
}

} // namespace

const Command CheckCommand{"check",
                           "solve a puzzle and say whether its solution is unique",
                           R"(usage: qvtool check FILE

Solves the puzzle in FILE (a .qvf puzzle file, a .non clue file or an XML
puzzle) and shows the verdict, the stage that decided it (lines, probing or
SAT), the time it took, the solver's effort and the level it gives. For a
puzzle with several solutions it lists the cells in which two of them differ.
Exits with 0 for a unique solution and 1 otherwise.
)",
                           {},
                           RunCheck};
