// The game's puzzle reader: a file is taken whole, writes back to the bytes it came from and
// loads into a game, or it is refused and the game's record stays as it was.
#include "fuzz_check.h"
#include "game/game_session.h"
#include "model/puzzle_file.h"
#include "base/code_page.h"

#include <algorithm>
#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> content(data, size);
    PuzzleRecord record;
    record.Name.Assign("Held before");
    record.Width = record.Height = 3;
    record.DateCreated = 46000.5;
    const PuzzleRecord before = record;
    if (DecodeGamePuzzle(content, record) != FileReadStatus::Ok) {
        Require(record == before, "a refused puzzle leaves the record as it was");
        return 0;
    }
    Require(size >= PuzzleRecordSize, "a puzzle is taken only whole");
    Require(record.Signature == PuzzleSignature && IsValidGridSide(record.Width) &&
                IsValidGridSide(record.Height),
            "a taken puzzle has the signature and a playable size");
    std::array<std::uint8_t, PuzzleRecordSize> written;
    EncodePuzzleRecord(record, written);
    Require(std::equal(written.begin(), written.end(), content.begin()),
            "a taken puzzle writes back to the bytes it came from");

    // What the game does with it next: the texts it shows, the clues and a paused game. The texts
    // are shown as UTF-8 and written back from it, so no byte may be lost on the way.
    for (const std::string& text :
         {record.Name.Text(), record.Comments.Text(), record.Creator.Text()})
        Require(Cp1252FromUtf8(Utf8FromCp1252(text)) == text,
                "a text goes to UTF-8 and back unchanged");
    GameSession session;
    session.LoadPuzzle(record);
    Require(session.Phase() == GamePhase::Paused, "a loaded puzzle waits paused");
    const GameState& game = session.Game();
    Require(game.RowClueSlots <= MaxCluesPerLine && game.ColumnClueSlots <= MaxCluesPerLine,
            "the clues fit their tables");
    return 0;
}
