#include "game/program_dialogs.h"

#include "appearance/preferences.h"
#include "editor/bitmap_picture.h"
#include "editor/feditor.h"
#include "editor/picture_open_dialog.h"
#include "editor/puzzleinfo.h"
#include "game/fileinfo.h"
#include "library/about.h"
#include "library/completed.h"
#include "library/congrats.h"
#include "library/newgame.h"
#include "platform/help_viewer.h"
#include "platform/random_guid_source.h"
#include "platform/user_name.h"
#include "ui/message_boxes.h"

namespace {

// The editor's own dialogs: the puzzle information and the picture open dialog, with the
// picture read by the core's bitmap reader.
class ProgramEditorDialogs final : public EditorDialogs {
public:
    explicit ProgramEditorDialogs(HWND editor) : Editor(editor), Info(editor), Pictures(editor) {}

    bool EditPuzzleInfo(PuzzleRecord& puzzle) override { return Info.EditPuzzleInfo(puzzle); }
    std::optional<PixelPicture> ChoosePicture() override {
        const std::filesystem::path chosen = Pictures.OpenPictureName(BitmapFilter);
        if (chosen.empty())
            return std::nullopt;
        BitmapPicture read = ReadBitmapPicture(chosen);
        if (!read.Picture)
            ShowError(Editor, read.Failure);
        return std::move(read.Picture);
    }

private:
    HWND Editor;
    Tfpuzzleinfo Info;
    PictureOpenDialog Pictures;
};

// The dialogs in the order the program makes its windows, each made once and kept.
class ProgramDialogs final : public MainformDialogs {
public:
    ProgramDialogs(HWND owner, const ProgramServices& services,
                   const std::filesystem::path& programFolder)
        : Owner(owner), About(owner, programFolder), Preferences(owner, services.Registry),
          FileInfo(owner), NewGame(owner, services.Registry),
          Editor(owner, {Guids, Login, services.Time,
                         [&help = services.Help](const std::filesystem::path& file) {
                             help.ShowHelp(file);
                         },
                         [this] { ShowAboutOver(Editor.Handle()); }}),
          Congrats(owner), Completed(owner, services.Registry) {
        Editor.UseDialogs(std::make_unique<ProgramEditorDialogs>(Editor.Handle()));
    }

    void ShowLoaded(const PuzzleRecord& puzzle) override { FileInfo.Fill(puzzle); }
    std::optional<std::filesystem::path>
    ChooseNewGame(const std::filesystem::path& folder,
                  std::filesystem::path& shownFolder) override {
        auto chosen = NewGame.ChooseFrom(folder);
        shownFolder = NewGame.ShownFolder();
        return chosen;
    }
    bool Congratulate(const std::string& text) override { return Congrats.Congratulate(text); }
    void ShowFileInformation() override { FileInfo.ShowInfo(); }
    void ShowSolvedPuzzles() override { Completed.ShowList(); }
    void ShowAbout() override { About.ShowAbout(); }
    void EditPuzzles(const EditorSettings& settings) override { Editor.Edit(settings); }
    AppearanceChoice ChooseAppearance(const AppearanceChoice& current, CellPitch pitch) override {
        return Preferences.Choose(current, pitch);
    }

private:
    // The about box shown from the editor stands over the editor, which it disables.
    void ShowAboutOver(HWND window) {
        About.SetOwner(window);
        About.ShowAbout();
        About.SetOwner(Owner);
    }

    HWND Owner;
    RandomGuidSource Guids;
    UserName Login;
    Tfabout About;
    Tfpreferences Preferences;
    Tffileinfo FileInfo;
    Tfnewgame NewGame;
    Tffeditor Editor;
    Tfcongrats Congrats;
    Tfcompleted Completed;
};

} // namespace

std::unique_ptr<MainformDialogs> MakeProgramDialogs(Tfmainform& owner,
                                                    const ProgramServices& services) {
    return std::make_unique<ProgramDialogs>(owner.Handle(), services,
                                            owner.Folders().ProgramFolder);
}
