// qvtool info: the fields and clues of a puzzle file or a saved game.
#include "base/clock_text.h"
#include "base/code_page.h"
#include "base/ole_date.h"
#include "base/path_text.h"
#include "command.h"
#include "model/derive_clues.h"
#include "model/game_state.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "solver/puzzle_picture.h"
#include "text_picture.h"
#include "tool_files.h"

#include <memory>

namespace {

std::string DateText(double oleDate) {
    const auto date = CivilFromOleDate(oleDate);
    if (!date)
        return "(no date)";
    return std::to_string(date->Year) + "-" + TwoDigits(date->Month) + "-" + TwoDigits(date->Day) +
           " " + TwoDigits(date->Hour) + ":" + TwoDigits(date->Minute);
}

void PrintClues(std::ostream& out, const char* title, const ClueTable& table, int lines) {
    out << title << ":\n";
    for (int line = 0; line < lines; ++line) {
        std::string runs;
        for (const ClueEntry& entry : table[line]) {
            if (entry.Value == 0)
                break;
            if (!runs.empty())
                runs += ' ';
            runs += std::to_string(entry.Value);
        }
        out << "  " << (runs.empty() ? "0" : runs) << '\n';
    }
}

void PrintPuzzle(std::ostream& out, const PuzzleRecord& puzzle) {
    out << "Name: " << Utf8FromCp1252(puzzle.Name.Text()) << '\n'
        << "Puzzle ID: " << GuidText(puzzle.PuzzleId) << '\n'
        << "Creator: " << Utf8FromCp1252(puzzle.Creator.Text()) << '\n'
        << "Comments: " << Utf8FromCp1252(puzzle.Comments.Text()) << '\n'
        << "Level: " << puzzle.Level << '\n'
        << "Size: " << puzzle.Width << " x " << puzzle.Height << '\n'
        << "Created: " << DateText(puzzle.DateCreated) << '\n';
}

int RunInfo(const ToolArguments& arguments, std::ostream& out) {
    arguments.ExpectPositional(1, 1);
    const std::filesystem::path path = arguments.PathAt(0);
    // Both kinds of file start with a puzzle record, so the longer saved game is tried first.
    // The records are large, so they live on the heap.
    auto saved = std::make_unique<SavedGame>();
    auto game = std::make_unique<GameState>();
    if (ReadSavedGameFile(path, *saved) == FileReadStatus::Ok) {
        game->Puzzle = saved->Puzzle;
        game->RowClues = saved->RowClues;
        game->ColumnClues = saved->ColumnClues;
        out << "Saved game: " << PathText(path) << '\n';
        PrintPuzzle(out, game->Puzzle);
        out << "Elapsed time: " << ClockText(saved->ElapsedSeconds) << '\n'
            << "History: " << saved->History.size() << " records, index " << saved->HistoryIndex
            << '\n';
    } else {
        game->Puzzle = ReadPuzzle(path);
        DeriveClues(*game);
        out << "Puzzle: " << PathText(path) << '\n';
        PrintPuzzle(out, game->Puzzle);
    }
    PrintClues(out, "Rows", game->RowClues, game->Puzzle.Height);
    PrintClues(out, "Columns", game->ColumnClues, game->Puzzle.Width);
    out << "Picture:\n" << PictureRowsText(PictureOfRecord(game->Puzzle));
    return 0;
}

} // namespace

const Command InfoCommand{"info",
                          "show the fields, clues and picture of a .qvf or .qvs file",
                          R"(usage: qvtool info FILE

Shows the name, identity, creator, comments, level, size and creation date of a
puzzle file (.qvf) or saved game (.qvs), its clues and its picture; for a saved
game also the time played and the undo history's length and position.
)",
                          {},
                          RunInfo};
