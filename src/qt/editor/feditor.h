// The puzzle editor, where puzzles are drawn cell by cell or imported from a picture.
#pragma once

#include "board/board_action.h"
#include "board/board_geometry.h"
#include "editor/editor_document.h"
#include "editor/editor_services.h"
#include "platform/substitute_text_face.h"
#include "ui/command_table.h"
#include "ui/tool_band.h"

#include <QDialog>
#include <QImage>

class PuzzleCheckRunner;
class QMenuBar;
class QScrollArea;

class Tffeditor : public QDialog {
    Q_OBJECT

public:
    // The window's size as designed, menu bar included; the user may change it.
    static constexpr int DesignedWidth = 517;
    static constexpr int DesignedHeight = 410;

    Tffeditor(EditorServices services, const EditorDialogMaker& makeDialogs,
              QWidget* parent = nullptr);
    ~Tffeditor() override;

    // Opens the editor modally with the main window's settings; a new puzzle is started at once.
    void Edit(const EditorSettings& settings);

    const PuzzleRecord& Puzzle() const { return Document.Record(); }
    const std::filesystem::path& FileName() const { return Document.FileName(); }
    bool IsGridShown() const { return Document.GridShown(); }
    const QImage& Bitmap() const { return EditorBitmap; }
    BoardGeometry Geometry() const;
    // Everything below the menu bar: the tool band and the grid's area.
    QWidget* ClientArea() const { return Client; }

    // Each opening, before the window is active: the settings are taken and the grid hidden.
    void FormShow(const EditorSettings& settings);
    // The first activation after an opening starts a new puzzle.
    void FormActivate();
    // A press at a client point, as if the grid's area were not scrolled.
    void ToggleCell(Qt::MouseButton button, int x, int y);

    void NewPuzzle();
    void OpenPuzzle();
    using SaveMode = EditorDocument::SaveMode;
    void SavePuzzle(SaveMode mode);
    void ClearPuzzle1Click();
    void ImportBitmap();
    void EditInformation1Click();
    void CheckPuzzle1Click();

    // The whole grid drawn afresh into the bitmap, at the puzzle's size; the screen is untouched.
    void RedrawEditorGrid();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the editor; a running check takes it as its cancel.
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void CreateCommands(QMenuBar& bar);
    void LayOutClient();
    void UseWindowBackground();
    // Save, Save as and the Puzzle menu are at hand exactly while a grid is shown.
    void UpdateCommandStates();
    void SetCaption();
    // The one place where what an operation changed reaches the screen.
    void Show(const EditorChange& change);
    // The whole client area painted again, background included.
    void RepaintEditor();
    void ShowCheckResult(const PuzzleCheckResult& result);
    void PaintGrid(QPainter& painter);

    EditorServices Services;
    EditorDialogs Dialogs;
    EditorDocument Document;
    bool ActivationPending = false;
    QImage EditorBitmap;
    CellPitch Pitch = PitchOf(BoardSize::Small);
    ColourSet Colours{};
    std::filesystem::path PuzzleFolder;
    std::filesystem::path ProgramFolder;
    SubstituteTextFace MarkFace;

    PuzzleCheckRunner* Checker = nullptr;

    QWidget* Client = nullptr;
    ToolBand Band{};
    QScrollArea* ScrollBox = nullptr;
    QWidget* GridArea = nullptr; // the scrolled area; its origin is client point (0, 30)
    CommandTable Commands;
};
