// qvtool import: a puzzle file from a puzzle given by its clues.
#include "base/path_text.h"
#include "command.h"
#include "puzzle_options.h"
#include "tool_error.h"
#include "tool_files.h"

namespace {

// The picture of clues that have exactly one solution; anything else is refused.
Picture UniqueSolution(const ClueFile& puzzle, const SolveReport& report, const std::string& name) {
    switch (report.Outcome) {
    case Verdict::UniqueByLines:
    case Verdict::UniqueBySearch:
        break;
    case Verdict::Several:
        throw ToolError(name + " has more than one solution; run qvtool check to see where");
    case Verdict::None:
        throw ToolError("no picture fits the clues of " + name);
    case Verdict::Unknown:
        throw ToolError("the solver gave up on " + name + " before finding its solution");
    }
    if (puzzle.Goal && *puzzle.Goal != *report.First)
        throw ToolError("the goal picture in " + name + " does not fit its clues");
    return *report.First;
}

int RunImport(const ToolArguments& arguments, std::ostream& out) {
    arguments.ExpectPositional(2, 2);
    const std::filesystem::path input = arguments.PathAt(0);
    const std::filesystem::path output = arguments.PathAt(1);
    const ClueFile puzzle = ReadClueFile(input);
    const SolveReport report = SolveClueFile(puzzle);
    const Picture picture = UniqueSolution(puzzle, report, PathText(input));
    PuzzleDefaults defaults{puzzle.Title.empty() ? PathText(input.stem()) : puzzle.Title,
                            puzzle.Author, "", "", "auto"};
    // Titles from elsewhere may be longer than the game's fields; they are cut, not refused.
    defaults.Name = defaults.Name.substr(0, 80);
    defaults.Creator = defaults.Creator.substr(0, 80);
    const PuzzleRecord record = NewPuzzle(picture, arguments, defaults, report);
    WritePuzzle(output, record);
    out << WrittenSummary(output, record) << '\n';
    return 0;
}

} // namespace

const Command ImportCommand{"import", "make a puzzle file from a .non or XML clue file",
                            R"(usage: qvtool import CLUES OUTPUT.qvf [options]

Solves the puzzle given by its clues in CLUES and writes it as a puzzle file.
CLUES is a .non file (width, height, rows and columns sections, optionally
title, by and goal) or an XML puzzle (<puzzle> with <clues type="rows"> and
<clues type="columns">). A puzzle without exactly one solution is refused.

options:
  --name TEXT      the puzzle's name (default: its title, or the file name)
  --creator TEXT   who made it (default: its author)
  --comments TEXT  a remark shown with it
  --level N|auto   0..10, or auto for the level the solver finds (default auto)
  --id GUID        the puzzle's identity; a fresh random one by default
)",
                            PuzzleOptionSpecs, RunImport};
