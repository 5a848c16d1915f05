// Check Puzzle: whether the picture drawn in the editor makes a puzzle with exactly one solution.
#pragma once

#include "model/puzzle_record.h"

#include <atomic>
#include <string>
#include <vector>

struct CellPos {
    int Col;
    int Row;

    bool operator==(const CellPos&) const = default;
};

enum class CheckVerdict {
    UniqueByLines,    // the drawn picture is the only solution, and line solving finds it
    UniqueWithSearch, // the drawn picture is the only solution, but finding it needs guessing
    Several,          // another picture fits the same clues
    None,             // no picture fits: impossible for a drawn picture, so an internal error
    Undecided,        // the solver gave up, or the check was cancelled
};

struct PuzzleCheckResult {
    CheckVerdict Verdict = CheckVerdict::Undecided;
    // For Several, the cells where two fitting pictures differ, row by row; empty otherwise.
    std::vector<CellPos> Differences;

    bool operator==(const PuzzleCheckResult&) const = default;
};

// Solves the clues of the puzzle's Width x Height solution, whose filled cells are those holding 1.
// Setting `cancel` from another thread ends the check promptly with Undecided. A size outside
// 1..128 gives None.
PuzzleCheckResult CheckPuzzle(const PuzzleRecord& puzzle,
                              const std::atomic<bool>* cancel = nullptr);

// The verdict as the message box says it.
std::string CheckVerdictText(const PuzzleCheckResult& result);
