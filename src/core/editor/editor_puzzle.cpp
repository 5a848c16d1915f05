#include "editor/editor_puzzle.h"

#include "model/puzzle_file.h"
#include "model/puzzle_layout.h"
#include "base/code_page.h"
#include "base/ole_date.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

// "ddmmyyyyhhnn": day, month, year, hour and minute with no separators.
std::string DateStamp(double oleDate) {
    const auto civil = CivilFromOleDate(oleDate);
    if (!civil)
        return {};
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%02d%02d%04d%02d%02d", civil->Day, civil->Month,
                  civil->Year, civil->Hour, civil->Minute);
    return text.data();
}

} // namespace

PuzzleRecord NewEditorPuzzle(const NewPuzzleStamp& stamp) {
    PuzzleRecord puzzle;
    puzzle.Signature = PuzzleSignature;
    puzzle.PuzzleId = stamp.PuzzleId;
    puzzle.Name.Assign("New Puzzle " + DateStamp(stamp.Now));
    puzzle.Comments.Assign("No comments");
    puzzle.Width = 16;
    puzzle.Height = 16;
    puzzle.DateCreated = stamp.Now;
    puzzle.Creator.Assign(stamp.Creator.empty() ? std::string("Nobody")
                                                : Cp1252FromUtf8(stamp.Creator));
    return puzzle;
}

bool ToggleEditorCell(CellGrid& cells, int column, int row, ButtonKind button) {
    if (button == ButtonKind::Other)
        return false;
    std::uint16_t& cell = cells.At(column, row);
    cell = cell == 0 ? 1 : 0;
    return true;
}

FileReadStatus OverlayOpenedPuzzle(std::span<const std::uint8_t> content, PuzzleRecord& into) {
    // The signature is tested on the file's own bytes: a file too short to hold it would borrow
    // the editor's, and an empty file would pass as the puzzle already on screen.
    if (content.size() < PuzzleOffset::PuzzleId)
        return FileReadStatus::Corrupted;
    std::array<std::uint8_t, PuzzleRecordSize> bytes;
    EncodePuzzleRecord(into, bytes);
    std::copy_n(content.begin(), std::min(content.size(), bytes.size()), bytes.begin());
    const PuzzleRecord opened = DecodePuzzleRecord(bytes);
    if (opened.Signature != PuzzleSignature || !IsValidGridSide(opened.Width) ||
        !IsValidGridSide(opened.Height))
        return FileReadStatus::Corrupted;
    into = opened;
    return FileReadStatus::Ok;
}

FileReadStatus OpenEditorPuzzleFile(const std::filesystem::path& path, PuzzleRecord& into) {
    const auto content = ReadFilePrefix(path, PuzzleRecordSize);
    if (!content)
        return FileReadStatus::CannotOpen;
    return OverlayOpenedPuzzle(*content, into);
}
