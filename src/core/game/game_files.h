// The main window's file commands on its one game: a puzzle opened, a game saved, saved as and
// opened again, and the offer to save before the program ends. Both programs run these; what they
// ask of the window (its dialogs, and showing what changed) comes through GameFileWindow.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class GameSession;
struct SessionChange;

class GameFileWindow {
public:
    virtual ~GameFileWindow() = default;
    // Shows what a session operation changed.
    virtual void Show(const SessionChange& change) = 0;
    // The whole client area is painted again.
    virtual void RepaintWindow() = 0;
    virtual void ShowError(const std::string& text) = 0;
    // True for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The system's file dialogs, starting in the folder, with a filter written
    // "Description|*.ext"; an empty path when the user cancels.
    virtual std::filesystem::path ChooseFileToSave(const std::filesystem::path& folder,
                                                   std::string_view filter) = 0;
    virtual std::filesystem::path ChooseFileToOpen(const std::filesystem::path& folder,
                                                   std::string_view filter) = 0;
};

class GameFiles {
public:
    GameFiles(GameSession& session, GameFileWindow& window) : Session(session), Window(window) {}

    // A fresh, paused game of the puzzle. The file is read aside: a refused file leaves the game as
    // it was, only paused when the file is not a puzzle.
    void LoadPuzzle(const std::filesystem::path& path);
    // Writes the game to its saved-game path, asking for a name first when that names no file;
    // the dialog starts in the folder.
    void SaveGame(const std::filesystem::path& folder);
    // Always asks for a name; a cancelled dialog keeps the path the game had.
    void SaveGameAs(const std::filesystem::path& folder);
    // Opens a saved game paused; an empty or missing path asks for one in the folder.
    void LoadSavedGame(const std::filesystem::path& path, const std::filesystem::path& folder);
    // Before the program ends: offers to save a loaded game with unsaved changes.
    void SavePrompt(const std::filesystem::path& folder);

private:
    GameSession& Session;
    GameFileWindow& Window;
};
