// A main window wired to services of the test's own: an in-memory registry, a temporary program
// folder, no waiting, and message boxes answered by the test.
#pragma once

#include "appearance/preferences.h"
#include "board/clue_fonts.h"
#include "editor/feditor.h"
#include "editor/picture_chooser.h"
#include "editor/puzzleinfo.h"
#include "game/fileinfo.h"
#include "game/game_texts.h"
#include "game/mainform.h"
#include "library/about.h"
#include "library/completed.h"
#include "library/congratulations_dialog.h"
#include "library/puzzle_chooser.h"
#include "model/puzzle_file.h"
#include "platform/clock.h"
#include "platform/guid_source.h"
#include "platform/help_viewer.h"
#include "platform/raster_font_library.h"
#include "platform/user_name_source.h"
#include "platform/waiter.h"
#include "settings/memory_registry.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"
#include "ui/board_margins.h"
#include "ui/file_dialogs.h"
#include "ui/message_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>

// The real font library, with a record of the files the window adds and removes.
class RecordingFonts final : public FontLibrary {
public:
    void AddFontFile(const std::filesystem::path& file) override {
        Added.push_back(file);
        Library.AddFontFile(file);
    }
    void RemoveFontFile(const std::filesystem::path& file) override {
        Removed.push_back(file);
        Library.RemoveFontFile(file);
    }
    std::shared_ptr<const RasterFont> Face(const QString& name, int pointSize, bool bold) override {
        return Library.Face(name, pointSize, bold);
    }
    std::vector<std::filesystem::path> Added;
    std::vector<std::filesystem::path> Removed;

private:
    RasterFontLibrary Library;
};

class CountingWaiter final : public Waiter {
public:
    void Wait(std::chrono::milliseconds duration) override { Waited.push_back(duration); }
    std::vector<std::chrono::milliseconds> Waited;
};

class FixedClock final : public Clock {
public:
    double OleNow() override { return Now; }
    double Now = 46000.5;
};

// Answers the congratulations as the test says, remembering each text it was shown.
class AnsweringCongratulations final : public CongratulationsDialog {
public:
    bool Congratulate(const QString& text) override {
        Shown.append(text);
        return KeepTicked;
    }
    QStringList Shown;
    bool KeepTicked = true;
};

// Answers each file dialog with the next path the test gave; an empty one cancels.
class AnsweringFiles final : public FileDialogs {
public:
    std::filesystem::path OpenFileName(const std::filesystem::path& folder,
                                       const QString& filter) override {
        return Answer(folder, filter);
    }
    std::filesystem::path SaveFileName(const std::filesystem::path& folder,
                                       const QString& filter) override {
        return Answer(folder, filter);
    }
    std::vector<std::filesystem::path> Answers;
    QStringList Filters;
    std::vector<std::filesystem::path> Folders;

private:
    std::filesystem::path Answer(const std::filesystem::path& folder, const QString& filter) {
        Filters.append(filter);
        Folders.push_back(folder);
        if (Answers.empty())
            return {};
        std::filesystem::path next = Answers.front();
        Answers.erase(Answers.begin());
        return next;
    }
};

// Answers the new-game browser with a file, or none, and a folder it ended on.
class AnsweringPuzzleChooser final : public PuzzleChooser {
public:
    std::optional<std::filesystem::path> ChooseFrom(const std::filesystem::path& folder) override {
        ShownFrom.push_back(folder);
        return Choice;
    }
    std::filesystem::path ShownFolder() const override { return EndFolder; }
    std::optional<std::filesystem::path> Choice;
    std::filesystem::path EndFolder;
    std::vector<std::filesystem::path> ShownFrom;
};

// Remembers each help file the window asked to be shown.
class RecordingHelp final : public HelpViewer {
public:
    void ShowHelp(const std::filesystem::path& helpFile) override { Shown.push_back(helpFile); }
    std::vector<std::filesystem::path> Shown;
};

class CountingGuids final : public GuidSource {
public:
    Guid NewGuid() override { return Guid{++Made, 0, 0, {}}; }
    std::uint32_t Made = 0;
};

class FixedUserName final : public UserNameSource {
public:
    std::string LoginName() const override { return "ann"; }
};

class AnsweringPictures final : public PictureChooser {
public:
    std::filesystem::path OpenPictureName(const QString& filter) override {
        Filters.append(filter);
        return Answer;
    }
    std::filesystem::path Answer;
    QStringList Filters;
};

class CountingSplash final : public SplashControl {
public:
    void Hide() override { ++Hides; }
    int Hides = 0;
};

class AnsweringMessages final : public MessageDialogs {
public:
    void Error(const QString& text) override { Shown.append(text); }
    bool ConfirmOkCancel(const QString& text) override {
        Shown.append(text);
        return Answer;
    }
    bool AskYesNo(const QString& text) override {
        Shown.append(text);
        return Answer;
    }
    QStringList Shown;
    bool Answer = true;
};

// Windows write dates in the default locale; pinning it gives every machine the same texts.
struct PinnedLocale {
    PinnedLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    ~PinnedLocale() { QLocale::setDefault(Previous); }
    PinnedLocale(const PinnedLocale&) = delete;
    PinnedLocale& operator=(const PinnedLocale&) = delete;
    QLocale Previous;
};

struct MainformHarness {
    PinnedLocale Locale;
    TempFolder Folder;
    MemoryRegistry Registry;
    RecordingFonts Fonts;
    CountingWaiter Waits;
    CountingSplash Splash;
    AnsweringMessages Messages;
    FixedClock Time;
    AnsweringCongratulations Congratulations;
    AnsweringFiles Files;
    Tffileinfo FileInfo;
    AnsweringPuzzleChooser NewGame;
    RecordingHelp Help;
    AnsweringPictures Pictures;
    CountingGuids Guids;
    FixedUserName Login;
    // Puts dialogs of the test's own in place of those the window is given.
    std::function<void(MainformDialogs&)> ReplaceDialogs;

    // The program folder holds the built font files, as beside the real program.
    MainformHarness() {
        for (const ClueFont& font : ClueFonts)
            std::filesystem::copy_file(std::filesystem::path(QUORVANE_PROGRAM_DIR) / font.FileName,
                                       Folder.Path() / font.FileName);
    }

    std::unique_ptr<Tfmainform> Create(std::vector<std::string> arguments = {}) {
        return CreateIn(Folder.Path(), std::move(arguments));
    }
    std::unique_ptr<Tfmainform> CreateIn(const std::filesystem::path& programFolder,
                                         std::vector<std::string> arguments = {}) {
        return CreateOn(Registry, programFolder, std::move(arguments));
    }
    std::unique_ptr<Tfmainform> CreateOn(RegistryStore& registry,
                                         const std::filesystem::path& programFolder,
                                         std::vector<std::string> arguments = {}) {
        return std::make_unique<Tfmainform>(
            MainformServices{registry, Fonts, Waits, Splash, Messages, Time, Files, programFolder,
                             std::move(arguments)},
            [this, &registry](Tfmainform& owner) { return MakeDialogs(owner, registry); });
    }

    // The answering dialogs above; the others are the program's own, owned by the window.
    MainformDialogs MakeDialogs(Tfmainform& owner, RegistryStore& registry) {
        auto* editor = new Tffeditor(
            {Messages, Files, Guids, Login, Time, {}, {}},
            [this](Tffeditor& shown) {
                return EditorDialogs{new Tfpuzzleinfo(&shown), &Pictures};
            },
            &owner);
        MainformDialogs dialogs{&Congratulations,
                                &FileInfo,
                                &NewGame,
                                new Tfcompleted(registry, &owner),
                                editor,
                                new Tfpreferences(registry, Messages, &owner),
                                new Tfabout(owner.ProgramFolder(), &owner),
                                &Help};
        if (ReplaceDialogs)
            ReplaceDialogs(dialogs);
        return dialogs;
    }

    // A puzzle file in the program folder.
    std::filesystem::path WritePuzzle(const std::string& fileName,
                                      const std::string& name = "Arrow", int level = 3) {
        PuzzleRecord record = PuzzleFromPicture({"..#..", ".###.", "#####", "..#..", "..#.."});
        record.Name.Assign(name);
        record.Level = level;
        const std::filesystem::path path = Folder / fileName;
        WritePuzzleFile(path, record);
        return path;
    }
};

template <typename T> T* Control(const Tfmainform& mainform, const char* name) {
    T* control = mainform.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        qFatal("no control %s", name);
    return control;
}

inline QString PanelText(const Tfmainform& mainform, const char* panel) {
    return Control<QLabel>(mainform, panel)->text();
}

// The board shows and takes presses: the game runs, or is solved with its clock stopped.
inline bool BoardLive(const Tfmainform& mainform) {
    return mainform.Session().Phase() == GamePhase::Running ||
           mainform.Session().Phase() == GamePhase::Solved;
}

inline QString Prompt(const Tfmainform& mainform) {
    return QString::fromStdString(
        PromptText(mainform.Session().Phase(), mainform.Game().ElapsedSeconds));
}
