// The saved-game reader: a file is taken when consistent, writes back to the bytes it came from
// and loads into a game whose whole history undoes and redoes; a refused file leaves the
// target as it was.
#include "fuzz_check.h"
#include "game/game_session.h"
#include "model/saved_game_file.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> content(data, size);
    SavedGame saved;
    saved.History = {{9, 9, 9, 9, 9}};
    saved.HistoryIndex = 0;
    saved.ElapsedSeconds = 61;
    const SavedGame before = saved;
    if (DecodeSavedGame(content, saved) != FileReadStatus::Ok) {
        Require(saved == before, "a refused saved game leaves the target as it was");
        return 0;
    }
    const auto count = static_cast<std::int32_t>(saved.History.size());
    Require(saved.HistoryIndex >= -1 && saved.HistoryIndex < count,
            "the history index names a record or none");

    GameState state;
    state.Puzzle = saved.Puzzle;
    state.Reserved = saved.Reserved;
    state.PlayerGrid = saved.PlayerGrid;
    state.ColumnClues = saved.ColumnClues;
    state.RowClues = saved.RowClues;
    state.ElapsedSeconds = saved.ElapsedSeconds;
    state.History = saved.History;
    state.HistoryIndex = saved.HistoryIndex;
    const std::vector<std::uint8_t> written = EncodeSavedGame(state);
    Require(written.size() <= size && std::equal(written.begin(), written.end(), content.begin()),
            "a taken saved game writes back to the bytes it came from");

    // Records naming boxes outside the puzzle or values a box cannot hold come from the file
    // unchecked; undo and redo must step over them.
    GameSession session;
    session.LoadSavedGame(saved, "fuzz.qvs");
    session.Start();
    for (std::int32_t step = saved.HistoryIndex; step >= 0; --step)
        session.Undo();
    Require(session.Game().HistoryIndex == -1, "every record undoes");
    for (std::int32_t step = 0; step < count; ++step)
        session.Redo();
    Require(session.Game().HistoryIndex == count - 1, "every record redoes");
    return 0;
}
