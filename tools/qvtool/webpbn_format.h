// The XML puzzle format of the web puzzle collections: a <puzzle> holding <clues type="columns">
// and <clues type="rows">, each a <line> of <count>n</count> elements per column or row.
#pragma once

#include "clue_file.h"

#include <optional>
#include <string>
#include <string_view>

// Reads the first puzzle's clues, title and author; its width and height are the numbers of
// column and row lines. Puzzles in more than one colour, sizes outside 1..128 and runs that do
// not fit are refused with the reason in `error`.
std::optional<ClueFile> ParseWebpbnFile(std::string_view text, std::string& error);
