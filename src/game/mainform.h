// The main window: the menus, the tool bar, the status bar and the life of one game.
#pragma once

#include "appearance/colour_scheme.h"
#include "game/mainform_services.h"
#include "game/startup_files.h"
#include "model/game_state.h"

#include <QCursor>
#include <QMainWindow>
#include <QStyle>
#include <QTimer>

class QAction;
class QLabel;
class QPainter;
class QToolButton;
struct CommandStates;

class Tfmainform : public QMainWindow {
    Q_OBJECT

public:
    // The client area below the menu bar as the window is designed, before a puzzle sizes it.
    static constexpr int DesignedClientWidth = 627;
    static constexpr int DesignedClientHeight = 419;
    static constexpr int StatusBarHeight = 19;

    explicit Tfmainform(MainformServices services, QWidget* parent = nullptr);

    const GameState& Game() const { return State; }
    const ColourSet& BoardColours() const { return Colours; }
    const std::string& ActiveSchemeName() const { return SchemeName; }
    const std::filesystem::path& ProgramFolder() const { return Folders.ProgramFolder; }
    const std::filesystem::path& PuzzleFolder() const { return Folders.PuzzleFolder; }
    const std::filesystem::path& SavedGamesFolder() const { return Folders.SavedGamesFolder; }
    QWidget* ClientArea() const { return Client; }

    // The first activation hides the splash and opens the file named on the command line.
    void FormActivate();
    void LoadPuzzle(const std::filesystem::path& path);
    void StartGame();
    void PauseGame();
    void ResetGame();
    // One tick of the clock; Timer1 calls it every second while the game runs.
    void Timer1Timer();
    // The whole client area, background included, is painted again.
    void RepaintWindow();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {});
    QToolButton* AddSpeedButton(QWidget* panel, const char* name, const QString& hint,
                                QStyle::StandardPixmap icon, int x);

    void Start1Click();
    void Stop1Click();
    void ResetBoard1Click();
    void Exit1Click();
    void Small1Click();
    void Medium1Click();
    // Enables every command as the game's state asks; undo and redo included.
    void UpdateCommandStates();
    void ShowClock();
    void FormPaint(QPainter& painter);
    void DrawMessagePanel(QPainter& painter, const QString& text);
    void RemoveFonts();

    MainformServices Services;
    GameState State;
    ColourSet Colours{};
    std::string SchemeName;
    ProgramFolders Folders;
    int CellWidth = 15;
    int CellHeight = 14;
    bool Activated = false;
    QCursor Hand1;
    QCursor Hand2;

    QWidget* Client = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* ClockPanel = nullptr;
    QLabel* LevelPanel = nullptr;

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
