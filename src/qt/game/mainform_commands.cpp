// The main window's commands, built from the core's table that the Windows program builds its
// menus from too: each menu item with its shortcut, handler and the tool button that shares its
// action.
#include "game/fileinfo.h"
#include "game/main_menu.h"
#include "game/mainform.h"
#include "library/about_box.h"
#include "library/solved_puzzles_list.h"
#include "platform/help_viewer.h"
#include "ui/menu_banner_style.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace {

QStyle::StandardPixmap IconOf(MainCommand command) {
    switch (command) {
    case MainCommand::StartanewGame1:
        return QStyle::SP_FileIcon;
    case MainCommand::OpenSavedGame1:
        return QStyle::SP_DialogOpenButton;
    case MainCommand::SaveGame1:
        return QStyle::SP_DialogSaveButton;
    case MainCommand::StartResume:
        return QStyle::SP_MediaPlay;
    case MainCommand::Stop1:
        return QStyle::SP_MediaPause;
    case MainCommand::Undo1:
        return QStyle::SP_ArrowBack;
    case MainCommand::Redo1:
        return QStyle::SP_ArrowForward;
    default:
        return QStyle::SP_DialogHelpButton;
    }
}

// Start and resume has a tool button of its own, enabled apart from the menu's Start.
constexpr const char* StartResumeName = "StartResume";

} // namespace

std::function<void()> Tfmainform::Call(void (Tfmainform::*handler)()) {
    return [this, handler] { (this->*handler)(); };
}

std::function<void()> Tfmainform::Handler(MainCommand command) {
    switch (command) {
    case MainCommand::StartanewGame1:
        return Call(&Tfmainform::StartanewGame1Click);
    case MainCommand::OpenSavedGame1:
        return [this] { LoadSavedGame({}); };
    case MainCommand::SaveGame1:
        return Call(&Tfmainform::SaveGame);
    case MainCommand::SaveGameas1:
        return Call(&Tfmainform::SaveGameAs);
    case MainCommand::SolvedPuzzles1:
        return [this] { Dialogs.Completed->ShowList(); };
    case MainCommand::Exit1:
        return Call(&Tfmainform::Exit1Click);
    case MainCommand::Undo1:
        return Call(&Tfmainform::UndoAction);
    case MainCommand::Redo1:
        return Call(&Tfmainform::RedoAction);
    case MainCommand::Start1:
    case MainCommand::StartResume:
        return Call(&Tfmainform::StartGame);
    case MainCommand::Stop1:
        return Call(&Tfmainform::PauseGame);
    case MainCommand::ResetBoard1:
        return Call(&Tfmainform::ResetBoard1Click);
    case MainCommand::PuzzleEditor1:
        return Call(&Tfmainform::PuzzleEditor1Click);
    case MainCommand::FileInformation1:
        return [this] { Dialogs.FileInfo->exec(); };
    case MainCommand::Preferences1:
        return Call(&Tfmainform::Preferences1Click);
    case MainCommand::Small1:
        return [this] { UseBoardSize(BoardSize::Small); };
    case MainCommand::Medium1:
        return [this] { UseBoardSize(BoardSize::Large); };
    case MainCommand::Contents1:
        return Call(&Tfmainform::Contents1Click);
    case MainCommand::About1:
        return Call(&Tfmainform::About1Click);
    }
    return {};
}

void Tfmainform::CreateCommands() {
    TableCommands<MainCommand> table{
        [this](MainCommand command) { return Handler(command); }, IconOf, MainToolButtons(), {}};
    const std::vector<CommandEntry> menus = table.Menus(MainMenus());
    const CommandEntry startResume =
        MenuItem(StartResumeName, {}, {}, Handler(MainCommand::StartResume),
                 table.ButtonOf(MainCommand::StartResume));
    CommandNames = std::move(table.Names);
    CommandNames.emplace_back(StartResumeName, MainCommand::StartResume);
    Commands = BuildCommandTable(*menuBar(), *Band.Panel1, {23, 22}, menus, {startResume});
    Commands.Action("Start1")->setIcon(Commands.Action(StartResumeName)->icon());
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
