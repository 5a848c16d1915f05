// The main window: the menus, the tool band, the status bar, the board and the life of one game.
#pragma once

#include "appearance/appearance_choice.h"
#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"
#include "board/board_view.h"
#include "editor/editor_settings.h"
#include "game/game_files.h"
#include "game/game_session.h"
#include "game/startup_files.h"
#include "render/board_renderer.h"
#include "ui/command_frame.h"
#include "ui/window.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Clock;
class ClueFaceLibrary;
class HelpViewer;
class RegistryStore;
class Waiter;
struct RasterFont;
enum class MainCommand;

// The dialogs the main window shows, made once after it and kept for the whole run.
class MainformDialogs {
public:
    virtual ~MainformDialogs() = default;
    virtual void ShowLoaded(const PuzzleRecord& puzzle) = 0; // fills the file information
    virtual std::optional<std::filesystem::path>
    ChooseNewGame(const std::filesystem::path& folder, std::filesystem::path& shownFolder) = 0;
    virtual bool Congratulate(const std::string& text) = 0;
    virtual void ShowFileInformation() = 0;
    virtual void ShowSolvedPuzzles() = 0;
    virtual void ShowAbout() = 0;
    // The puzzle editor, modal, with the main window's settings.
    virtual void EditPuzzles(const EditorSettings& settings) = 0;
    // The preferences dialog on the colours in force; Cancel gives them back as they were.
    virtual AppearanceChoice ChooseAppearance(const AppearanceChoice& current, CellPitch pitch) = 0;
};

struct MainformServices {
    RegistryStore& Registry;
    ClueFaceLibrary& Fonts;
    Waiter& Waits;
    void (*HideSplash)();
    Clock& Time;
    HelpViewer& Help;
    std::filesystem::path ProgramFolder;
    std::vector<std::string> Arguments; // the command line, without the program's own name
    // Where saved games go when the program's folder is read-only; empty for none.
    std::filesystem::path UserDataFolder;
    // Where each press's time to the screen and each whole drawing's time are written, when set.
    std::filesystem::path PaintTimes;
};

class Tfmainform : public Window, private GameFileWindow {
public:
    static constexpr int DesignedClientWidth = 627;
    static constexpr int DesignedClientHeight = 419;

    explicit Tfmainform(MainformServices services);
    ~Tfmainform() override;

    // The dialogs are made with the main window as their owner, so they come after it.
    void UseDialogs(std::unique_ptr<MainformDialogs> dialogs) { Dialogs = std::move(dialogs); }
    // Shortcuts go to the main window while it or one of its children has the focus.
    bool TranslateShortcut(MSG& message) const;

    const GameSession& Session() const { return Session_; }
    const ProgramFolders& Folders() const { return Folders_; }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Command(MainCommand command);
    void FormActivate();
    void StartanewGame1Click();
    void ResetBoard1Click();
    void UseBoardSize(BoardSize size);
    // The preferences dialog, then the board drawn afresh in the colours in force, OK or Cancel.
    void Preferences1Click();
    // The window's background and the board's blank room take the scheme's window colour.
    void UseWindowBackground();
    void FormMouseDown(const BoardPress& press);
    void Show(const SessionChange& change) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::filesystem::path ChooseFileToSave(const std::filesystem::path& folder,
                                           std::string_view filter) override;
    std::filesystem::path ChooseFileToOpen(const std::filesystem::path& folder,
                                           std::string_view filter) override;
    void ShowLoadedGame();
    void ShowClock();
    void AnnounceCompletion();
    void UpdateCommandStates();
    void RebuildBoard();
    void RedrawBoard();
    void RepaintWindow() override;
    bool BoardShown() const;
    // Sizes the client area around a board view of this size, laying the band, the view and the
    // status bar across it.
    void LayOutClient(SIZE view);
    // The window's display changed density: every part takes its size at the new one.
    void UseDpi(int dpi, const RECT& suggested);
    int StatusBarHeight() const;
    // The status bar's font and panel edges at the window's scale.
    void ScaleStatusBar();
    SIZE AvailableClientSize() const;
    void Paint();
    void RemoveFonts();
    void NotePaintTime(const char* what, std::chrono::steady_clock::time_point since) const;

    MainformServices Services;
    std::unique_ptr<MainformDialogs> Dialogs;
    GameSession Session_;
    GameFiles Files{Session_, *this};
    ColourSet Colours{};
    std::string SchemeName;
    ProgramFolders Folders_;
    BoardSize BoardSize_ = BoardSize::Small;
    PixelImage Image;
    BoardRenderer Renderer;
    std::shared_ptr<const RasterFont> ClueFace;
    bool Activated = false;
    HCURSOR Hand1 = nullptr;
    HCURSOR Hand2 = nullptr;
    HCURSOR Shown = nullptr;
    HBRUSH Background = nullptr;
    std::unique_ptr<CommandFrame> Frame;
    std::unique_ptr<BoardView> Board;
    // When the press being answered reached the window, until its box is on screen.
    std::optional<std::chrono::steady_clock::time_point> PressReached;
    HWND StatusBar1 = nullptr;
    // The density the window's layout, fonts and board zoom are at.
    DisplayScale Scale;
};
