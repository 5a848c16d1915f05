// qvtool export: a puzzle file's clues and picture as a .non file.
#include "base/code_page.h"
#include "command.h"
#include "non_format.h"
#include "solver/puzzle_picture.h"
#include "tool_files.h"

namespace {

// A quoted value ends at a quote or a line's end, so quotes become apostrophes and line breaks
// spaces.
std::string QuotableText(const std::string& cp1252) {
    std::string text = Utf8FromCp1252(cp1252);
    for (char& c : text)
        c = c == '"' ? '\'' : c == '\r' || c == '\n' ? ' ' : c;
    return text;
}

int RunExport(const ToolArguments& arguments, std::ostream&) {
    arguments.ExpectPositional(2, 2);
    const PuzzleRecord record = ReadPuzzle(arguments.PathAt(0));
    ClueFile puzzle;
    puzzle.Goal = PictureOfRecord(record);
    puzzle.Clues = CluesOf(*puzzle.Goal);
    puzzle.Title = QuotableText(record.Name.Text());
    puzzle.Author = QuotableText(record.Creator.Text());
    WriteOutputFile(arguments.PathAt(1), NonFileText(puzzle));
    return 0;
}

} // namespace

const Command ExportCommand{"export",
                            "write a puzzle file's clues as a .non file",
                            R"(usage: qvtool export PUZZLE.qvf OUTPUT.non

Writes the puzzle's name, creator, size, row and column clues and its picture
(the goal line) in the .non clue format.
)",
                            {},
                            RunExport};
