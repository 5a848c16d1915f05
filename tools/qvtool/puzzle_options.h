// The puzzle fields that make, import and generate share: --name, --creator, --comments,
// --level and --id.
#pragma once

#include "model/puzzle_record.h"
#include "solver/puzzle_solver.h"
#include "tool_arguments.h"

#include <array>
#include <optional>
#include <string>

inline constexpr std::array<OptionSpec, 5> PuzzleOptionSpecs{
    {{"name"}, {"creator"}, {"comments"}, {"level"}, {"id"}}};

// What a command knows before the options are applied, all text in UTF-8.
struct PuzzleDefaults {
    std::string Name;
    std::string Creator;
    std::string Comments;
    std::string Id;    // GUID text; empty for a fresh random identifier
    std::string Level; // "0".."10" or "auto"
};

// A new puzzle of the picture, created now and signed. "auto" levels come from the solver's
// report, which is computed here when the caller has none. Throws ToolError for a bad option, a
// text too long for its field, or an automatic level of a puzzle without a unique solution.
PuzzleRecord NewPuzzle(const Picture& picture, const ToolArguments& arguments,
                       const PuzzleDefaults& defaults,
                       std::optional<SolveReport> report = std::nullopt);
