#include "app/program_windows.h"

#include "editor/picture_open_dialog.h"

ProgramWindows::ProgramWindows(MainformServices services)
    : Mainform(std::make_unique<Tfmainform>(std::move(services))) {
    QWidget* owner = Mainform.get();
    Help = new HelpWindow(services.Messages, owner);
    About = new Tfabout(Mainform->ProgramFolder(), owner);
    Preferences = new Tfpreferences(services.Registry, services.Messages, owner);
    FileInfo = new Tffileinfo(owner);
    NewGame = new Tfnewgame(services.Registry, owner);
    Editor = new Tffeditor({services.Messages,
                            services.Files,
                            *new PictureOpenDialog(owner),
                            Guids,
                            Login,
                            services.Time,
                            [this](const std::filesystem::path& file) { Help->ShowHelp(file); },
                            [this] { About->exec(); }},
                           owner);
    PuzzleInfo = new Tfpuzzleinfo(owner);
    Editor->UsePuzzleInfo(PuzzleInfo);
    Congrats = new Tfcongrats(owner);
    Completed = new Tfcompleted(services.Registry, owner);
    Mainform->UseDialogs(
        {Congrats, FileInfo, NewGame, Completed, Editor, Preferences, About, Help});
}
