#include "game/game_files.h"

#include "base/path_text.h"
#include "game/game_session.h"
#include "model/file_read.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"

#include <system_error>

namespace {

// The save dialog's filter is spelled as players have always seen it, with two blanks.
constexpr std::string_view SaveFilter = "Quorvane Saved  Game|*.qvs";
constexpr std::string_view OpenFilter = "Quorvane Saved Games|*.qvs";

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

void GameFiles::LoadPuzzle(const std::filesystem::path& path) {
    PuzzleRecord record;
    const FileReadStatus status = ReadGamePuzzleFile(path, record);
    if (status != FileReadStatus::Ok) {
        Window.ShowError(FileReadMessage(status, PathText(path)));
        if (status == FileReadStatus::Corrupted) {
            Window.Show(Session.Pause());
            Window.RepaintWindow();
        }
        return;
    }
    Window.Show(Session.LoadPuzzle(record));
}

void GameFiles::SaveGame(const std::filesystem::path& folder) {
    if (!Session.Loaded())
        return;
    if (!IsFile(PathFromText(Session.SavedGamePath()))) {
        Window.Show(Session.Pause());
        const std::filesystem::path chosen = Window.ChooseFileToSave(folder, SaveFilter);
        Session.UseSavedGamePath(PathText(chosen));
        if (chosen.empty())
            return;
    }
    // The file is replaced only once the whole game is written, so a failure keeps the old one.
    const std::string failure =
        WriteSavedGameFile(PathFromText(Session.SavedGamePath()), Session.Game());
    if (!failure.empty()) {
        Window.ShowError(failure);
        return;
    }
    Session.MarkSaved();
}

void GameFiles::SaveGameAs(const std::filesystem::path& folder) {
    const std::string remembered = Session.SavedGamePath();
    Session.UseSavedGamePath({});
    SaveGame(folder);
    if (Session.SavedGamePath().empty())
        Session.UseSavedGamePath(remembered);
}

void GameFiles::LoadSavedGame(const std::filesystem::path& path,
                              const std::filesystem::path& folder) {
    // Forgotten before anything else: a solved grid is congratulated again after a cancelled
    // open.
    Session.ForgetCompletion();
    Window.Show(Session.Pause());
    std::filesystem::path chosen = path;
    if (chosen.empty() || !IsFile(chosen)) {
        chosen = Window.ChooseFileToOpen(folder, OpenFilter);
        if (chosen.empty())
            return;
    }
    // Read aside and checked whole: a refused file leaves the game as it was.
    SavedGame saved;
    const FileReadStatus status = ReadSavedGameFile(chosen, saved);
    if (status != FileReadStatus::Ok) {
        Window.ShowError(FileReadMessage(status, PathText(chosen)));
        Window.RepaintWindow();
        return;
    }
    Window.Show(Session.LoadSavedGame(saved, PathText(chosen)));
}

void GameFiles::SavePrompt(const std::filesystem::path& folder) {
    if (Session.Loaded() && !Session.Saved() &&
        Window.AskYesNo("Do you want to save the current game?"))
        SaveGame(folder);
}
