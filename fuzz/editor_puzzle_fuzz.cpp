// The editor's Open: the file's bytes lie over the start of the record the editor held. A file
// taken leaves a record whose bytes are the file's, then the held record's; a file refused
// leaves the held record as it was.
#include "editor/editor_puzzle.h"
#include "fuzz_check.h"
#include "model/derive_clues.h"
#include "model/game_state.h"
#include "model/puzzle_file.h"
#include "model/puzzle_layout.h"

#include <algorithm>
#include <array>

namespace {

// A drawn record with every field set, so that a byte kept from it shows.
PuzzleRecord HeldRecord() {
    PuzzleRecord record = NewEditorPuzzle({46000.25, Guid{}, "Editor"});
    record.Comments.Assign("Kept past the end of a short file");
    record.Level = 4;
    record.ReservedAfterCreator = {1, 2, 3};
    for (int i = 0; i < 16; ++i)
        record.Solution.At(i, (i * 7) % 16) = 1;
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> content(data, size);
    static const PuzzleRecord held = HeldRecord();
    PuzzleRecord record = held;
    if (OverlayOpenedPuzzle(content, record) != FileReadStatus::Ok) {
        Require(record == held, "a refused file leaves the held record as it was");
        return 0;
    }
    Require(record.Signature == PuzzleSignature && IsValidGridSide(record.Width) &&
                IsValidGridSide(record.Height),
            "an opened record has the signature and a size the grid holds");
    Require(size >= PuzzleOffset::PuzzleId, "the signature came from the file, not the held record");
    std::array<std::uint8_t, PuzzleRecordSize> opened;
    EncodePuzzleRecord(record, opened);
    std::array<std::uint8_t, PuzzleRecordSize> heldBytes;
    EncodePuzzleRecord(held, heldBytes);
    const std::size_t covered = std::min(size, PuzzleRecordSize);
    Require(std::equal(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(covered),
                       opened.begin()),
            "an opened record starts with the file's bytes");
    Require(std::equal(heldBytes.begin() + static_cast<std::ptrdiff_t>(covered), heldBytes.end(),
                       opened.begin() + static_cast<std::ptrdiff_t>(covered)),
            "past a short file the held record's bytes stay");

    // The editor shows the clues of what it opened.
    GameState game;
    game.Puzzle = record;
    DeriveClues(game);
    Require(game.RowClueSlots <= MaxCluesPerLine && game.ColumnClueSlots <= MaxCluesPerLine,
            "the clues fit their tables");
    return 0;
}
