// The main window: the menus, the tool bar, the status bar and the life of one game.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_action.h"
#include "board/board_geometry.h"
#include "game/game_session.h"
#include "game/mainform_services.h"
#include "game/startup_files.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QStyle>
#include <QTimer>

class QAction;
class QLabel;
class QPainter;
class QScrollBar;
class QToolButton;
class CongratulationsDialog;
class PuzzleChooser;
class Tfcompleted;
class Tffileinfo;

// The dialogs the main window shows, created after it.
struct MainformDialogs {
    CongratulationsDialog* Congratulations = nullptr;
    Tffileinfo* FileInfo = nullptr; // filled at each load
    PuzzleChooser* NewGame = nullptr;
    Tfcompleted* Completed = nullptr;
};
class TextFace;
struct CommandStates;

class Tfmainform : public QMainWindow {
    Q_OBJECT

public:
    // The client area below the menu bar as the window is designed, before a puzzle sizes it.
    static constexpr int DesignedClientWidth = 627;
    static constexpr int DesignedClientHeight = 419;

    explicit Tfmainform(MainformServices services, QWidget* parent = nullptr);

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
    const QImage& BoardBitmap() const { return Bitmap; }

    void UseDialogs(const MainformDialogs& dialogs) { Dialogs = dialogs; }

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
    void RepaintWindow();
    // A press on the client area at a client point: the cursor shows it, and on the board of a
    // running game it changes the box under it.
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseUp();
    void UndoAction();
    void RedoAction();
    // Draws the whole board afresh and fits the window around it; nothing while no game is loaded.
    void RebuildBoard();
    // Redraws the one box of a changed cell or clue and repaints only its rectangle.
    void RedrawBoardBox(const BoardTarget& target);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // Sizes the client area and lays the tool bar band and the status bar across it. A board
    // larger than the screen's free area is capped to it and scrolls; otherwise nothing scrolls.
    void LayOutClient(int width, int height);
    QSize AvailableClientSize() const;
    // How far the board is scrolled; zero while the whole board is shown.
    QPoint ScrollOffset() const;
    // The client area's background takes the scheme's window colour.
    void UseWindowBackground();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {});
    QToolButton* AddSpeedButton(QWidget* panel, const char* name, const QString& hint,
                                QStyle::StandardPixmap icon, int x);

    void ResetBoard1Click();
    void Exit1Click();
    void FileInformation1Click();
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
    void Show(const SessionChange& change);
    void AnnounceCompletion();
    void ShowClock();
    void FormPaint(QPainter& painter);
    void DrawMessagePanel(QPainter& painter, const QString& text);
    void RemoveFonts();

    MainformServices Services;
    MainformDialogs Dialogs;
    GameSession Session_;
    ColourSet Colours{};
    std::string SchemeName;
    ProgramFolders Folders;
    BoardSize BoardSize_ = BoardSize::Small;
    QImage Bitmap;
    std::shared_ptr<const TextFace> ClueFace;
    bool Activated = false;
    QCursor Hand1;
    QCursor Hand2;

    QWidget* Client = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Bevel1 = nullptr;
    QWidget* Bevel2 = nullptr;
    QWidget* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* ClockPanel = nullptr;
    QLabel* LevelPanel = nullptr;
    QScrollBar* HorizontalScroll = nullptr;
    QScrollBar* VerticalScroll = nullptr;

    QAction* StartanewGame1 = nullptr;
    QAction* OpenSavedGame1 = nullptr;
    QAction* SaveGame1 = nullptr;
    QAction* SaveGameas1 = nullptr;
    QAction* SolvedPuzzles1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Start1 = nullptr;
    QAction* Stop1 = nullptr;
    QAction* ResetBoard1 = nullptr;
    QAction* PuzzleEditor1 = nullptr;
    QAction* FileInformation1 = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* Small1 = nullptr;
    QAction* Medium1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
};
