#include "game/program_dialogs.h"

#include "game/fileinfo.h"
#include "library/about.h"
#include "library/completed.h"
#include "library/congrats.h"
#include "library/newgame.h"

namespace {

// The dialogs in the order the program makes its windows, each made once and kept.
class ProgramDialogs final : public MainformDialogs {
public:
    ProgramDialogs(HWND owner, RegistryStore& registry, const std::filesystem::path& programFolder)
        : About(owner, programFolder), FileInfo(owner), NewGame(owner, registry),
          Congrats(owner), Completed(owner, registry) {}

    void ShowLoaded(const PuzzleRecord& puzzle) override { FileInfo.Fill(puzzle); }
    std::optional<std::filesystem::path> ChooseNewGame(const std::filesystem::path& folder,
                                                       std::filesystem::path& shownFolder) override {
        auto chosen = NewGame.ChooseFrom(folder);
        shownFolder = NewGame.ShownFolder();
        return chosen;
    }
    bool Congratulate(const std::string& text) override { return Congrats.Congratulate(text); }
    void ShowFileInformation() override { FileInfo.ShowInfo(); }
    void ShowSolvedPuzzles() override { Completed.ShowList(); }
    void ShowAbout() override { About.ShowAbout(); }

private:
    Tfabout About;
    Tffileinfo FileInfo;
    Tfnewgame NewGame;
    Tfcongrats Congrats;
    Tfcompleted Completed;
};

} // namespace

std::unique_ptr<MainformDialogs> MakeProgramDialogs(Tfmainform& owner, RegistryStore& registry) {
    return std::make_unique<ProgramDialogs>(owner.Handle(), registry,
                                            owner.Folders().ProgramFolder);
}
