// Solves a nonogram from its clues: line by line first, then by probing, then by a complete search,
// and says whether the solution is unique.
#pragma once

#include "solver/nonogram.h"

#include <atomic>
#include <cstdint>
#include <optional>

enum class Verdict {
    UniqueByLines,  // one solution, found by line solving alone
    UniqueBySearch, // one solution, but finding it needed probing or search
    Several,        // at least two solutions; two of them are given
    None,           // no picture fits the clues
    Unknown,        // the caller's budget ran out or the solve was cancelled first
};

// The stage whose answer settled the verdict.
enum class SolveStage {
    Lines,   // line solving alone, or clues that cannot be laid out at all
    Probing, // trying each value of the cells beside known ones
    Search,  // the depth-first or the learning search
    Sat,     // the SAT back end
};

// What settles the puzzles that line solving and probing leave open.
enum class SearchBackEnd {
    // The default: a short depth-first search, which settles most open puzzles in milliseconds,
    // then for the rest the learning search and the SAT back end at once on two threads, the
    // first verdict winning.
    ShortSearchThenRace,
    Sat,  // CaDiCaL over each line's automaton; much the faster on the hardest puzzles
    Tree, // depth-first guessing with probing at every node, until it ends
    // A search that learns a clause from each conflict, with the line solver as its propagator
    Learning,
};

// The largest width and height the solver accepts.
constexpr int MaxSolverSide = 128;

struct SolveBudget {
    // Probes, guesses and SAT calls allowed; the SAT back end's conflicts count against what is
    // left, and in the race each search has half of it. Without a limit the solve always ends
    // with a verdict other than Unknown.
    std::optional<std::uint64_t> MaxSearchNodes = std::nullopt;
    // Set from another thread to stop the solve; it is read between line solves, at every search
    // node and inside CaDiCaL, so the solver stops within one line's work.
    const std::atomic<bool>* Cancel = nullptr;
};

struct SolveReport {
    Verdict Outcome = Verdict::Unknown;
    SolveStage DecidedBy = SolveStage::Lines;
    std::optional<Picture> First;  // the solution, or the first of several
    std::optional<Picture> Second; // another solution, for Several
    std::uint64_t LinePasses = 0;  // line solver calls, a measure of difficulty
    std::uint64_t SearchNodes = 0;
};

// Clues that cannot be laid out at all (a run longer than its line, sizes out of range, a negative
// run, row and column totals that differ) give None. Runs of 0 are absent, as in SolveLine. A solve
// cancelled before it ends gives Unknown, whatever it had found so far.
SolveReport SolvePuzzle(const NonogramClues& clues, SolveBudget budget = {},
                        SearchBackEnd backEnd = SearchBackEnd::ShortSearchThenRace);

// The verdict on the clues of a drawn picture, as the editor and a puzzle file have it: the
// verdict SolvePuzzle gives. Knowing one solution from the start, the search first goes straight
// to it and looks for a second close by, where another mostly lies; then First is the drawing.
// Loose pictures with many solutions are settled in milliseconds that way, where clues alone can
// take minutes to yield a first solution. Puzzles with one solution get the report their clues
// give, after the short look.
SolveReport SolveDrawnPuzzle(const Picture& drawn, SolveBudget budget = {},
                             SearchBackEnd backEnd = SearchBackEnd::ShortSearchThenRace);
