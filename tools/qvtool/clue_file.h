// A puzzle read from a clue file: its clues, its title and author, and its picture when given.
#pragma once

#include "solver/nonogram.h"
#include "solver/puzzle_solver.h"

#include <optional>
#include <string>

struct ClueFile {
    NonogramClues Clues;
    std::string Title;  // UTF-8
    std::string Author; // UTF-8
    std::optional<Picture> Goal;
};

// Empty when every line's runs fit in it; otherwise which line does not, for an error message.
std::string OverlongClueLine(const NonogramClues& clues);

// The solver's verdict on the clues. A goal picture that fits them is a solution known from the
// start, which spares the search finding one.
SolveReport SolveClueFile(const ClueFile& puzzle);
