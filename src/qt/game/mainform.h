// The main window: the menus, the tool bar, the status bar and the life of one game.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_action.h"
#include "board/board_geometry.h"
#include "board/board_press.h"
#include "game/game_files.h"
#include "game/game_session.h"
#include "game/main_menu.h"
#include "game/mainform_services.h"
#include "game/startup_files.h"
#include "render/board_renderer.h"
#include "ui/command_table.h"
#include "ui/tool_band.h"

#include <QCursor>
#include <QMainWindow>
#include <QTimer>
#include <functional>

class AboutBox;
class AppearanceChooser;
class BoardView;
class CongratulationsDialog;
class HelpViewer;
class PuzzleChooser;
class PuzzleEditor;
class QLabel;
class QPainter;
class SolvedPuzzlesList;
class Tffileinfo;

// The dialogs the main window shows, created after it and owned by it. Every one is given.
struct MainformDialogs {
    CongratulationsDialog* Congratulations = nullptr;
    Tffileinfo* FileInfo = nullptr; // filled at each load
    PuzzleChooser* NewGame = nullptr;
    SolvedPuzzlesList* Completed = nullptr;
    PuzzleEditor* Editor = nullptr;
    AppearanceChooser* Preferences = nullptr;
    AboutBox* About = nullptr;
    HelpViewer* Help = nullptr;

    bool Complete() const {
        return Congratulations && FileInfo && NewGame && Completed && Editor && Preferences &&
               About && Help;
    }
};
class Tfmainform;
struct CommandStates;

// Makes the main window's dialogs, with the window as their owner, once it is built.
using MainformDialogMaker = std::function<MainformDialogs(Tfmainform& owner)>;

class Tfmainform : public QMainWindow, private GameFileWindow {
    Q_OBJECT

public:
    // The client area below the menu bar as the window is designed, before a puzzle sizes it.
    static constexpr int DesignedClientWidth = 627;
    static constexpr int DesignedClientHeight = 419;

    Tfmainform(MainformServices services, const MainformDialogMaker& makeDialogs,
               QWidget* parent = nullptr);
    ~Tfmainform() override;

    const GameSession& Session() const { return Session_; }
    const GameState& Game() const { return Session_.Game(); }
    const ColourSet& BoardColours() const { return Colours; }
    const std::string& ActiveSchemeName() const { return SchemeName; }
    const std::filesystem::path& ProgramFolder() const { return Folders.ProgramFolder; }
    const std::filesystem::path& PuzzleFolder() const { return Folders.PuzzleFolder; }
    const std::filesystem::path& SavedGamesFolder() const { return Folders.SavedGamesFolder; }
    QWidget* ClientArea() const { return Client; }
    BoardSize Size() const { return BoardSize_; }
    BoardGeometry Geometry() const { return BoardGeometry::Of(Game(), BoardSize_); }
    // The room the tool band's buttons, the status panels and the unfolded menus need, which a
    // small board leaves the client area.
    int LeastClientWidth() const;
    const PixelImage& BoardImage() const { return Image; }

    // The first activation hides the splash and opens the file named on the command line.
    void FormActivate();
    void LoadPuzzle(const std::filesystem::path& path);
    // Writes the game to SavedGamePath, asking for a name first when that names no file.
    void SaveGame();
    void SaveGameAs();
    // Opens a saved game paused; an empty or missing path asks for one.
    void LoadSavedGame(const std::filesystem::path& path);
    void StartGame();
    void PauseGame();
    void ResetGame();
    // One tick of the clock; Timer1 calls it every second while the game runs.
    void Timer1Timer();
    // The whole client area, background included, is painted again.
    void RepaintWindow() override;
    // A press on the client area: the cursor shows it, and on the board of a running game it
    // changes the box under it.
    void FormMouseDown(const BoardPress& press);
    void FormMouseUp();
    void UndoAction();
    void RedoAction();
    // Draws the board in the colours and face in force and fits the window around it; nothing
    // while no game is loaded.
    void RebuildBoard();
    // Draws what changed on the board and repaints only that.
    void RedrawBoard();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The menus and tool buttons, from one table of commands.
    void CreateCommands();
    std::function<void()> Handler(MainCommand command);
    std::function<void()> Call(void (Tfmainform::*handler)());
    void CreateStatusBar();
    // Sizes the client area around a board view of this size and lays the tool bar band, the
    // view and the status bar across it.
    void LayOutClient(QSize view);
    // The view's size for the board drawn: a board larger than the screen's free area is capped
    // to it and scrolls; otherwise nothing scrolls.
    QSize BoardViewSize() const;
    // The board shows while a game is loaded and no prompt covers the client area.
    bool BoardShown() const;
    QSize AvailableClientSize() const;
    // The client area's background takes the scheme's window colour.
    void UseWindowBackground();

    void ResetBoard1Click();
    void Exit1Click();
    void PuzzleEditor1Click();
    // Help starts the viewer on Help/Quorvane.chm in the program folder, without waiting.
    void Contents1Click();
    void About1Click();
    // The preferences dialog, then the board drawn afresh in the colours in force, OK or Cancel.
    void Preferences1Click();
    // The browser picks a puzzle; the folder it ends on is remembered, OK or Cancel.
    void StartanewGame1Click();
    // Before the program ends: offers to save a game with unsaved changes.
    void SavePrompt();
    // The caption, the level and the file information of a game just loaded.
    void ShowLoadedGame();
    void UseBoardSize(BoardSize size);
    // Enables every command as the game's state asks; undo and redo included.
    void UpdateCommandStates();
    // Shows what a session operation changed: caption, clock, board, box, timer and commands,
    // then the congratulations it calls for.
    void Show(const SessionChange& change) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::filesystem::path ChooseFileToSave(const std::filesystem::path& folder,
                                           std::string_view filter) override;
    std::filesystem::path ChooseFileToOpen(const std::filesystem::path& folder,
                                           std::string_view filter) override;
    void AnnounceCompletion();
    void ShowClock();
    void FormPaint(QPainter& painter);
    void RemoveFonts();

    MainformServices Services;
    MainformDialogs Dialogs;
    GameSession Session_;
    GameFiles Files{Session_, *this};
    ColourSet Colours{};
    std::string SchemeName;
    ProgramFolders Folders;
    BoardSize BoardSize_ = BoardSize::Small;
    PixelImage Image;
    BoardRenderer Renderer;
    std::shared_ptr<const RasterFont> ClueFace;
    bool Activated = false;
    QCursor Hand1;
    QCursor Hand2;

    QWidget* Client = nullptr;
    ToolBand Band{};
    CommandTable Commands;
    // Each command's object name, for its enabled state.
    std::vector<std::pair<const char*, MainCommand>> CommandNames;
    BoardView* Board = nullptr;
    QWidget* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* ClockPanel = nullptr;
    QLabel* LevelPanel = nullptr;
};
