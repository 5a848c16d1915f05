#include "app/program_windows.h"

ProgramWindows::ProgramWindows(MainformServices services)
    : Mainform(std::make_unique<Tfmainform>(std::move(services))) {
    QWidget* owner = Mainform.get();
    About = new Tfabout(owner);
    Preferences = new Tfpreferences(owner);
    FileInfo = new Tffileinfo(owner);
    NewGame = new Tfnewgame(services.Registry, owner);
    Editor = new Tffeditor(owner);
    PuzzleInfo = new Tfpuzzleinfo(owner);
    Congrats = new Tfcongrats(owner);
    Completed = new Tfcompleted(services.Registry, owner);
    Mainform->UseDialogs({Congrats, FileInfo, NewGame, Completed});
}
