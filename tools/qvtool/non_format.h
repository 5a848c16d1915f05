// The ".non" clue format: "key value" lines, with "rows" and "columns" each followed by one line
// of comma-separated runs per row or column ("0" or an empty line for a line without runs).
#pragma once

#include "clue_file.h"

#include <optional>
#include <string>
#include <string_view>

// Reads width, height, rows, columns, title, by and goal; other keys are skipped. Sizes must lie
// in 1..128 and every line's runs must fit in it. Nothing, with the reason in `error`, otherwise.
std::optional<ClueFile> ParseNonFile(std::string_view text, std::string& error);

// Writes the clues, and the goal line when the puzzle has one.
std::string NonFileText(const ClueFile& puzzle);
