#include "editor/editor_document.h"

#include "base/path_text.h"
#include "editor/editor_puzzle.h"
#include "model/bounds.h"
#include "model/file_read.h"
#include "model/puzzle_file.h"

#include <utility>

namespace {

bool HasValidSize(const PuzzleRecord& record) {
    return IsValidGridSide(record.Width) && IsValidGridSide(record.Height);
}

EditorChange Refused(std::string failure) {
    EditorChange change;
    change.Failure = std::move(failure);
    return change;
}

EditorChange Redrawn(EditorChange change) {
    change.GridRedrawn = true;
    return change;
}

} // namespace

void EditorDocument::Changed(EditorChange& change) {
    change.Accepted = true;
    ++Changes;
    if (Outlined_.empty())
        return;
    Outlined_.clear();
    change.OutlinesChanged = true;
}

EditorChange EditorDocument::EditorShown() {
    FileName_.clear();
    GridShown_ = false;
    Outlined_.clear();
    ChangesAtCheck.reset();
    EditorChange change;
    change.Accepted = true;
    change.GridHidden = true;
    change.CaptionChanged = true;
    change.CommandsChanged = true;
    return change;
}

EditorChange EditorDocument::ShowRecord(const PuzzleRecord& record,
                                        const std::filesystem::path& file) {
    Record_ = record;
    FileName_ = file;
    GridShown_ = true;
    EditorChange change;
    Changed(change);
    change.CaptionChanged = true;
    change.CommandsChanged = true;
    change.PuzzleReplaced = true;
    return Redrawn(change);
}

EditorChange EditorDocument::TakeNewPuzzle(const PuzzleRecord& made) {
    if (!HasValidSize(made))
        return {};
    return ShowRecord(made, {});
}

EditorChange EditorDocument::OpenFile(const std::filesystem::path& path) {
    PuzzleRecord opened = Record_;
    const FileReadStatus status = OpenEditorPuzzleFile(path, opened);
    if (status != FileReadStatus::Ok)
        return Refused(FileReadMessage(status, PathText(path)));
    return ShowRecord(opened, path);
}

std::optional<std::filesystem::path> EditorDocument::SaveTarget(SaveMode mode) const {
    if (!GridShown_)
        return std::nullopt;
    return mode == SaveMode::Save ? FileName_ : std::filesystem::path();
}

EditorChange EditorDocument::SaveUnder(const std::filesystem::path& path, const Guid& newId) {
    if (!GridShown_)
        return {};
    PuzzleRecord saved = Record_;
    saved.PuzzleId = newId;
    std::string failure = WritePuzzleFile(path, saved);
    if (!failure.empty())
        return Refused(std::move(failure));
    Record_.PuzzleId = newId;
    FileName_ = path;
    EditorChange change;
    change.Accepted = true;
    change.CaptionChanged = true;
    return change;
}

EditorChange EditorDocument::Clear() {
    Record_.Solution.Clear();
    EditorChange change;
    Changed(change);
    return Redrawn(change);
}

EditorChange EditorDocument::ImportPicture(const PixelPicture& picture) {
    if (!::ImportPicture(picture, Record_))
        return Refused(PictureSizeMessage(picture.Width, picture.Height));
    EditorChange change;
    Changed(change);
    return Redrawn(change);
}

EditorChange EditorDocument::TakeInformation(const PuzzleRecord& edited) {
    if (!HasValidSize(edited))
        return {};
    Record_ = edited;
    EditorChange change;
    Changed(change);
    return Redrawn(change);
}

EditorChange EditorDocument::Press(int column, int row, ButtonKind button) {
    if (!GridShown_ || column < 0 || row < 0 || column >= Record_.Width || row >= Record_.Height ||
        !ToggleEditorCell(Record_.Solution, column, row, button))
        return {};
    EditorChange change;
    Changed(change);
    change.Cell = CellPos{column, row};
    return change;
}

EditorChange EditorDocument::StartCheck() {
    if (!GridShown_)
        return {};
    ChangesAtCheck = Changes;
    EditorChange change;
    change.Accepted = true;
    return change;
}

EditorChange EditorDocument::TakeCheckResult(const PuzzleCheckResult& result) {
    if (!GridShown_ || ChangesAtCheck != Changes)
        return {};
    ChangesAtCheck.reset();
    Outlined_ = result.Differences;
    EditorChange change;
    change.Accepted = true;
    change.OutlinesChanged = true;
    return change;
}
