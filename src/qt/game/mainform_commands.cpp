// The main window's commands as one table: each menu item with its shortcut, and the tool button
// that shares its action.
#include "game/fileinfo.h"
#include "game/mainform.h"
#include "library/about_box.h"
#include "library/solved_puzzles_list.h"
#include "platform/help_viewer.h"
#include "ui/menu_banner_style.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace {

ToolButtonEntry Button(const char* name, const char* hint, int x, QStyle::StandardPixmap icon) {
    return {name, QString::fromLatin1(hint), x, icon};
}

} // namespace

std::function<void()> Tfmainform::Call(void (Tfmainform::*handler)()) {
    return [this, handler] { (this->*handler)(); };
}

CommandEntry Tfmainform::GameMenu() {
    return SubMenu(
        "Game1", QStringLiteral("&Game"),
        {MenuItem("StartanewGame1", QStringLiteral("Start a new Game"), Qt::Key_F2,
                  Call(&Tfmainform::StartanewGame1Click),
                  Button("SpeedButton1", "Start a new game", 4, QStyle::SP_FileIcon)),
         MenuSeparator(),
         MenuItem(
             "OpenSavedGame1", QStringLiteral("&Open Saved Game"),
             QKeySequence(Qt::CTRL | Qt::Key_O), [this] { LoadSavedGame({}); },
             Button("SpeedButton2", "Open Saved Game", 27, QStyle::SP_DialogOpenButton)),
         MenuItem("SaveGame1", QStringLiteral("Save Game"), QKeySequence(Qt::CTRL | Qt::Key_S),
                  Call(&Tfmainform::SaveGame),
                  Button("SpeedButton3", "Save current game to a file", 50,
                         QStyle::SP_DialogSaveButton)),
         MenuItem("SaveGameas1", QStringLiteral("Save Game as"), {}, Call(&Tfmainform::SaveGameAs)),
         MenuSeparator(),
         MenuItem("SolvedPuzzles1", QStringLiteral("Solved Puzzles"), {},
                  [this] { Dialogs.Completed->ShowList(); }),
         MenuSeparator(),
         MenuItem("Exit1", QStringLiteral("&Exit"), {}, Call(&Tfmainform::Exit1Click))});
}

CommandEntry Tfmainform::PlayMenu() {
    return SubMenu(
        "Play1", QStringLiteral("&Play"),
        {MenuItem("Undo1", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                  Call(&Tfmainform::UndoAction),
                  Button("SpeedButton7", "Undo Last Action", 127, QStyle::SP_ArrowBack)),
         MenuItem("Redo1", QStringLiteral("Redo"), {}, Call(&Tfmainform::RedoAction),
                  Button("SpeedButton8", "Redo", 150, QStyle::SP_ArrowForward)),
         MenuSeparator(),
         MenuItem("Start1", QStringLiteral("Start"), Qt::Key_F5, Call(&Tfmainform::StartGame)),
         MenuItem("Stop1", QStringLiteral("&Pause"), Qt::Key_F12, Call(&Tfmainform::PauseGame),
                  Button("SpeedButton5", "Pause game", 104, QStyle::SP_MediaPause)),
         MenuSeparator(),
         MenuItem("ResetBoard1", QStringLiteral("Reset Puzzle"),
                  QKeySequence(Qt::CTRL | Qt::Key_Delete), Call(&Tfmainform::ResetBoard1Click))});
}

CommandEntry Tfmainform::OptionsMenu() {
    return SubMenu("Options1", QStringLiteral("&Options"),
                   {MenuItem("PuzzleEditor1", QStringLiteral("Puzzle Editor"), {},
                             Call(&Tfmainform::PuzzleEditor1Click)),
                    MenuItem("FileInformation1", QStringLiteral("File Information"), {},
                             [this] { Dialogs.FileInfo->exec(); }),
                    MenuSeparator(),
                    MenuItem("Preferences1", QStringLiteral("Preferences"), {},
                             Call(&Tfmainform::Preferences1Click)),
                    SubMenu("Size1", QStringLiteral("Size"),
                            {MenuItem("Small1", QStringLiteral("Small"), {},
                                      [this] { UseBoardSize(BoardSize::Small); }),
                             MenuItem("Medium1", QStringLiteral("&Large"), {},
                                      [this] { UseBoardSize(BoardSize::Large); })})});
}

CommandEntry Tfmainform::HelpMenu() {
    return SubMenu(
        "Help1", QStringLiteral("&?"),
        {MenuItem("Contents1", QStringLiteral("&Contents"), Qt::Key_F1,
                  Call(&Tfmainform::Contents1Click),
                  Button("SpeedButton6", "Quorvane Help", 181, QStyle::SP_DialogHelpButton)),
         MenuSeparator(),
         MenuItem("About1", QStringLiteral("About"), {}, Call(&Tfmainform::About1Click))});
}

void Tfmainform::CreateCommands() {
    // Start and resume has a tool button of its own, enabled apart from the menu's Start.
    const CommandEntry startResume =
        MenuItem("StartResume", {}, {}, Call(&Tfmainform::StartGame),
                 Button("SpeedButton4", "Start/Resume game", 81, QStyle::SP_MediaPlay));
    Commands =
        BuildCommandTable(*menuBar(), *Band.Panel1, {23, 22},
                          {GameMenu(), PlayMenu(), OptionsMenu(), HelpMenu()}, {startResume});
    Commands.Action("Start1")->setIcon(Commands.Action("StartResume")->icon());
    UseMenuBanner(*menuBar(), QStringLiteral(" Quorvane"));

    auto* sizes = new QActionGroup(this);
    for (const char* item : {"Small1", "Medium1"}) {
        Commands.Action(item)->setCheckable(true);
        sizes->addAction(Commands.Action(item));
    }
    Commands.Action("Small1")->setChecked(true);
}

void Tfmainform::Contents1Click() {
    Dialogs.Help->ShowHelp(Folders.ProgramFolder / "Help" / "Quorvane.chm");
}

void Tfmainform::About1Click() {
    Dialogs.About->ShowAbout();
}
