// What the puzzle editor does to its record: a new puzzle, a press on a cell, and opening a file.
#pragma once

#include "board/board_action.h"
#include "model/file_read.h"
#include "model/puzzle_record.h"

#include <filesystem>
#include <span>
#include <string>

// What a new puzzle takes from the platform.
struct NewPuzzleStamp {
    double Now;          // OLE date, local time
    Guid PuzzleId;       // a fresh identifier
    std::string Creator; // the login name in UTF-8; empty when the system does not know it
};

// A 16 x 16 empty puzzle at level 0 with the format's signature, named "New Puzzle ddmmyyyyhhnn"
// after the stamp's time, "No comments", and the login name as creator ("Nobody" without one).
PuzzleRecord NewEditorPuzzle(const NewPuzzleStamp& stamp);

// A left or right press turns an empty cell filled and anything else empty; any other button
// does nothing. True when the cell changed.
bool ToggleEditorCell(CellGrid& cells, int column, int row, ButtonKind button);

// The editor's Open: the file's bytes replace the start of the record, so a short file keeps the
// rest of what the editor held. A file too short to hold the signature, a result with another
// signature, or one with a size outside 1..128 is refused as Corrupted and `into` stays as it was.
FileReadStatus OverlayOpenedPuzzle(std::span<const std::uint8_t> content, PuzzleRecord& into);
FileReadStatus OpenEditorPuzzleFile(const std::filesystem::path& path, PuzzleRecord& into);
