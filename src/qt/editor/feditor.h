// The puzzle editor, where puzzles are drawn cell by cell or imported from a picture.
#pragma once

#include "board/board_action.h"
#include "board/board_geometry.h"
#include "board/board_press.h"
#include "editor/editor_document.h"
#include "editor/editor_menu.h"
#include "editor/editor_services.h"
#include "editor/puzzle_editor.h"
#include "render/board_renderer.h"
#include "ui/command_table.h"
#include "ui/tool_band.h"

#include <QDialog>
#include <optional>

class PuzzleCheckRunner;
class BoardView;
class QMenuBar;

class Tffeditor : public QDialog, public PuzzleEditor {
    Q_OBJECT

public:
    // The window's size as designed, menu bar included; the user may change it.
    static constexpr int DesignedWidth = 517;
    static constexpr int DesignedHeight = 410;

    Tffeditor(EditorServices services, const EditorDialogMaker& makeDialogs,
              QWidget* parent = nullptr);
    ~Tffeditor() override;

    void Edit(const EditorSettings& settings) override;

    const PuzzleRecord& Puzzle() const { return Document.Record(); }
    const std::filesystem::path& FileName() const { return Document.FileName(); }
    bool IsGridShown() const { return Document.GridShown(); }
    const PixelImage& GridImage() const { return Image; }
    BoardGeometry Geometry() const;
    // Everything below the menu bar: the tool band and the grid's area.
    QWidget* ClientArea() const { return Client; }

    // Each opening, before the window is active: the settings are taken and the grid hidden.
    void FormShow(const EditorSettings& settings);
    // The first activation after an opening starts a new puzzle.
    void FormActivate();
    // A press on the grid's view.
    void PressGrid(const BoardPress& press);

    void NewPuzzle();
    void OpenPuzzle();
    using SaveMode = EditorDocument::SaveMode;
    void SavePuzzle(SaveMode mode);
    void ClearPuzzle1Click();
    void ImportBitmap();
    void EditInformation1Click();
    void CheckPuzzle1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the editor; a running check takes it as its cancel.
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    // The menus and tool buttons from the core's table of the editor's commands.
    void CreateCommands(QMenuBar& bar);
    std::function<void()> Handler(EditorCommand command);
    void LayOutClient();
    void UseWindowBackground();
    // Save, Save as and the Puzzle menu are at hand exactly while a grid is shown.
    void UpdateCommandStates();
    void SetCaption();
    // The one place where what an operation changed reaches the screen.
    void Show(const EditorChange& change);
    // Draws what changed on the grid, or hides it, and repaints only that.
    void DrawGrid();
    // The face of the "?" of a marked cell, made when first drawn.
    const RasterFont& MarkFace();
    void ShowCheckResult(const PuzzleCheckResult& result);

    EditorServices Services;
    EditorDialogs Dialogs;
    EditorDocument Document;
    bool ActivationPending = false;
    PixelImage Image;
    BoardRenderer Renderer;
    CellPitch Pitch = PitchOf(BoardSize::Small);
    ColourSet Colours{};
    std::filesystem::path PuzzleFolder;
    std::filesystem::path ProgramFolder;
    std::optional<RasterFont> MarkFace_;

    PuzzleCheckRunner* Checker = nullptr;

    QWidget* Client = nullptr;
    ToolBand Band{};
    BoardView* Board = nullptr; // below the tool band; the grid lies at client point (10, 40)
    CommandTable Commands;
    // Each command's object name, for its enabled state.
    std::vector<std::pair<const char*, EditorCommand>> CommandNames;
};
