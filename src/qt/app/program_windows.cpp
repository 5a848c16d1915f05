#include "app/program_windows.h"

#include "app/deferred_picture_dialog.h"
#include "ui/dialog_owner.h"

ProgramWindows::ProgramWindows(MainformServices services) {
    RegistryStore& registry = services.Registry;
    MessageDialogs& messages = services.Messages;
    FileDialogs& files = services.Files;
    Clock& time = services.Time;
    // The dialogs come after the main window, in their order, each owned by the window that
    // opens it; the about box is shared, and belongs to the editor while the editor shows it.
    Mainform = std::make_unique<Tfmainform>(std::move(services), [&](Tfmainform& owner) {
        Help = new HelpWindow(messages, &owner);
        About = new Tfabout(owner.ProgramFolder(), &owner);
        Preferences = new Tfpreferences(registry, messages, &owner);
        FileInfo = new Tffileinfo(&owner);
        NewGame = new Tfnewgame(registry, &owner);
        Editor = new Tffeditor(
            {messages, files, Guids, Login, time,
             [this](const std::filesystem::path& file) { Help->ShowHelp(file); },
             [this] { ExecOwnedBy(*About, *Editor); }},
            [this](Tffeditor& editor) {
                PuzzleInfo = new Tfpuzzleinfo(&editor);
                return EditorDialogs{PuzzleInfo, new DeferredPictureDialog(editor)};
            },
            &owner);
        Congrats = new Tfcongrats(&owner);
        Completed = new Tfcompleted(registry, &owner);
        return MainformDialogs{Congrats, FileInfo, NewGame, Completed,
                               Editor,   Preferences, About, Help};
    });
}
