// The puzzle editor window: its menus and tool band, the grid drawn by the core, presses, files,
// import from a bitmap and the uniqueness check, over the core's EditorDocument.
#pragma once

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "editor/editor_document.h"
#include "editor/editor_menu.h"
#include "editor/editor_settings.h"
#include "fonts/raster_font.h"
#include "render/board_renderer.h"
#include "ui/command_frame.h"
#include "ui/modal_window.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class Clock;
class GuidSource;
class UserNameSource;

// What the editor is given once, at start-up.
struct EditorServices {
    GuidSource& Guids;
    UserNameSource& UserName;
    Clock& Time;
    // Starts the help viewer on the help file, without waiting.
    std::function<void(const std::filesystem::path& helpFile)> ShowHelp;
    // Shows the about box modally.
    std::function<void()> ShowAbout;
};

// The editor's own dialogs, made after it with it as their owner.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // The puzzle information dialog on the puzzle; true when it ended with OK and changed it.
    virtual bool EditPuzzleInfo(PuzzleRecord& puzzle) = 0;
    // The picture the user chose, read from its file; nothing when the dialog was cancelled or
    // the file was refused, which the user has then been told.
    virtual std::optional<PixelPicture> ChoosePicture() = 0;
};

class Tffeditor : public ModalWindow {
public:
    // The window's size as designed, menu bar and frame included; the user may change it.
    static constexpr int DesignedWidth = 517;
    static constexpr int DesignedHeight = 410;

    Tffeditor(HWND owner, EditorServices services);
    ~Tffeditor() override;

    void UseDialogs(std::unique_ptr<EditorDialogs> dialogs) { Dialogs = std::move(dialogs); }
    // Opens the editor modally with the main window's settings; a new puzzle is started at once.
    void Edit(const EditorSettings& settings);

protected:
    bool TranslateShortcut(MSG& message) const override;
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Command(EditorCommand command);
    void NewPuzzle();
    void OpenPuzzle();
    void SavePuzzle(EditorDocument::SaveMode mode);
    void ImportBitmap();
    void EditInformation1Click();
    void CheckPuzzle1Click();
    void CancelCheck();
    void ShowCheckResult(const PuzzleCheckResult& result);
    void Show(const EditorChange& change);
    void DrawGrid();
    void UpdateCommandStates();
    void SetCaption();
    void UseWindowBackground();
    void LayOutClient();
    void Paint();
    const RasterFont& MarkFace();

    EditorServices Services;
    std::unique_ptr<EditorDialogs> Dialogs;
    EditorDocument Document;
    CellPitch Pitch = PitchOf(BoardSize::Small);
    ColourSet Colours{};
    std::filesystem::path PuzzleFolder;
    std::filesystem::path ProgramFolder;
    PixelImage Image;
    BoardRenderer Renderer;
    std::optional<RasterFont> MarkFace_;
    HBRUSH Background = nullptr;
    std::unique_ptr<CommandFrame> Frame;
    std::unique_ptr<BoardView> Board;

    // The check runs on a thread of its own, which posts its result back to the window; a result
    // of a run that was cancelled or replaced is dropped.
    std::thread Checker;
    std::atomic<bool> CheckCancelled{false};
    unsigned CheckRun = 0;
    bool Checking = false;
};
