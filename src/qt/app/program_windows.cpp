#include "app/program_windows.h"

#include "app/deferred_picture_dialog.h"

ProgramWindows::ProgramWindows(MainformServices services) {
    RegistryStore& registry = services.Registry;
    MessageDialogs& messages = services.Messages;
    FileDialogs& files = services.Files;
    Clock& time = services.Time;
    // Each dialog belongs to the window that opens it; the about box is shared, and belongs to
    // the editor while the editor shows it. Only the file information, filled at every load, and
    // the help window, which makes its parts when first shown, are made with the main window.
    Mainform = std::make_unique<Tfmainform>(std::move(services), [&](Tfmainform& owner) {
        Help = new HelpWindow(messages, &owner);
        About = new DeferredAboutBox(owner, [&owner](QWidget& parent) {
            return new Tfabout(owner.ProgramFolder(), &parent);
        });
        Preferences = new DeferredPreferences(owner, [&registry, &messages](QWidget& parent) {
            return new Tfpreferences(registry, messages, &parent);
        });
        FileInfo = new Tffileinfo(&owner);
        NewGame = new DeferredNewGame(
            owner, [&registry](QWidget& parent) { return new Tfnewgame(registry, &parent); });
        Editor = new DeferredEditor(owner, [this, &messages, &files, &time](QWidget& parent) {
            return new Tffeditor(
                {messages, files, Guids, Login, time,
                 [this](const std::filesystem::path& file) { Help->ShowHelp(file); },
                 [this] { About->ShowOwnedBy(Editor->Made()); }},
                [this](Tffeditor& editor) {
                    PuzzleInfo = new Tfpuzzleinfo(&editor);
                    return EditorDialogs{PuzzleInfo, new DeferredPictureDialog(editor)};
                },
                &parent);
        });
        Congrats = new DeferredCongratulations(
            owner, [](QWidget& parent) { return new Tfcongrats(&parent); });
        Completed = new DeferredSolvedList(
            owner, [&registry](QWidget& parent) { return new Tfcompleted(registry, &parent); });
        return MainformDialogs{Congrats, FileInfo,    NewGame, Completed,
                               Editor,   Preferences, About,   Help};
    });
}
