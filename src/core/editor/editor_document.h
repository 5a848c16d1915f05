// The puzzle in the editor and what the editor shows of it: the record, its file, whether its
// grid is on screen, and the outlines of the last check. Every operation answers with what the
// window has to show for it.
#pragma once

#include "board/board_action.h"
#include "editor/picture_import.h"
#include "editor/puzzle_check.h"
#include "model/puzzle_record.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What an operation changed. Only Failure may be set when it was refused.
struct EditorChange {
    bool Accepted = false;
    bool GridHidden = false;      // no grid: its area shrinks and the whole client is painted
    bool GridRedrawn = false;     // the whole grid is drawn afresh at the puzzle's size
    bool PuzzleReplaced = false;  // another puzzle, shown from the grid's top-left corner
    std::optional<CellPos> Cell;  // the one cell a press changed
    bool OutlinesChanged = false; // the check's outlines came or went
    bool CaptionChanged = false;  // the title names the file
    bool CommandsChanged = false; // Save, Save as and the Puzzle menu follow GridShown
    std::string Failure;          // why the operation was refused, for the user
};

class EditorDocument {
public:
    enum class SaveMode { Save, SaveAs };

    const PuzzleRecord& Record() const { return Record_; }
    const std::filesystem::path& FileName() const { return FileName_; }
    // Without a grid on screen the record is no puzzle the user has seen: it takes no presses and
    // is neither saved nor checked.
    bool GridShown() const { return GridShown_; }
    // The cells where two solutions of the last check differ, until the next change.
    const std::vector<CellPos>& Outlined() const { return Outlined_; }

    // Each opening of the editor starts with no file, no grid and no outlines.
    EditorChange EditorShown();
    // A new puzzle as its information dialog gave it, shown without a file.
    EditorChange TakeNewPuzzle(const PuzzleRecord& made);
    // The file overlays the record (OpenEditorPuzzleFile); a refused file leaves everything.
    EditorChange OpenFile(const std::filesystem::path& path);
    // Where a save writes: nothing while no grid is shown; otherwise the puzzle's file, or an
    // empty path when a name is asked: for Save as, and before the puzzle has a file.
    std::optional<std::filesystem::path> SaveTarget(SaveMode mode) const;
    // Every save is a new version of the puzzle, with an identity and solved records of its own.
    // The record and the file name take the identity and path only once the whole file is
    // written, so a failure keeps the file and identity the editor had.
    EditorChange SaveUnder(const std::filesystem::path& path, const Guid& newId);
    EditorChange Clear();
    // The picture's pixels into the cells; a picture that does not fit changes nothing.
    EditorChange ImportPicture(const PixelPicture& picture);
    // The record as the information dialog gave it back; a size outside 1..128 is refused.
    EditorChange TakeInformation(const PuzzleRecord& edited);
    // A press on a cell of the shown grid (ToggleEditorCell).
    EditorChange Press(int column, int row, ButtonKind button);
    // Accepted while a grid is shown; the check then reads the record as it is now.
    EditorChange StartCheck();
    // The outlines are taken only for the picture the last check started read, and only once;
    // the verdict is the window's to tell either way.
    EditorChange TakeCheckResult(const PuzzleCheckResult& result);

private:
    // Every change of the record ends the outlines of the last check.
    void Changed(EditorChange& change);
    // A new record shown whole: a new puzzle or an opened file.
    EditorChange ShowRecord(const PuzzleRecord& record, const std::filesystem::path& file);

    PuzzleRecord Record_;
    std::filesystem::path FileName_;
    bool GridShown_ = false;
    std::vector<CellPos> Outlined_;
    std::uint64_t Changes = 0; // counts changes, so a check knows the picture moved on
    std::optional<std::uint64_t> ChangesAtCheck;
};
