// Solves a nonogram from its clues: line by line first, then by search, and says whether the
// solution is unique.
#pragma once

#include "solver/nonogram.h"

#include <atomic>
#include <cstdint>
#include <optional>

enum class Verdict {
    UniqueByLines,  // one solution, found by line solving alone
    UniqueBySearch, // one solution, but finding it needed guessing
    Several,        // at least two solutions; two of them are given
    None,           // no picture fits the clues
    Unknown,        // the budget ran out or the solve was cancelled first
};

// The largest width and height the solver accepts.
constexpr int MaxSolverSide = 128;

struct SolveBudget {
    // Guesses and probes made during the search; a probe tries one value of a cell to see
    // whether it contradicts.
    std::uint64_t MaxSearchNodes = 2'000'000;
    // Set from another thread to stop the solve; it is read between line solves and search
    // nodes, so the solver stops within one line's work.
    const std::atomic<bool>* Cancel = nullptr;
};

struct SolveReport {
    Verdict Outcome = Verdict::Unknown;
    std::optional<Picture> First;  // the solution, or the first of several
    std::optional<Picture> Second; // another solution, for Several
    std::uint64_t LinePasses = 0;  // line solver calls, a measure of difficulty
    std::uint64_t SearchNodes = 0;
};

// Clues that cannot be laid out at all (a run longer than its line, sizes out of range, a negative
// run, row and column totals that differ) give None. Runs of 0 are absent, as in SolveLine. A solve
// cancelled before it ends gives Unknown, whatever it had found so far.
SolveReport SolvePuzzle(const NonogramClues& clues, SolveBudget budget = {});
