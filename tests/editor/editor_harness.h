// A puzzle editor wired to services of the test's own: dialogs answered by the test, known
// identifiers, a fixed clock and login name, and an information dialog that answers itself.
#pragma once

#include "editor/answering_puzzle_info.h"
#include "editor/editor_grid.h"
#include "editor/feditor.h"
#include "platform/toolkit_raster_font.h"
#include "support/mainform_harness.h"
#include "support/qt_pixels.h"
#include "ui/board_margins.h"

struct EditorHarness {
    TempFolder Folder;
    AnsweringMessages Messages;
    AnsweringFiles Files;
    AnsweringPictures Pictures;
    CountingGuids Guids;
    FixedUserName Login;
    FixedClock Time;
    AnsweringPuzzleInfo Info;
    std::vector<std::filesystem::path> HelpShown;
    int AboutShown = 0;

    std::unique_ptr<Tffeditor> Create() {
        return std::make_unique<Tffeditor>(
            EditorServices{Messages, Files, Guids, Login, Time,
                           [this](const std::filesystem::path& file) { HelpShown.push_back(file); },
                           [this] { ++AboutShown; }},
            [this](Tffeditor&) {
                return EditorDialogs{&Info, &Pictures};
            });
    }

    EditorSettings Settings(BoardSize size = BoardSize::Small) const {
        return {PitchOf(size), DistinctColours(), Folder / "Puzzles", Folder.Path()};
    }

    // An editor opened as the main window opens it, the new puzzle's dialog answered with OK.
    std::unique_ptr<Tffeditor> Open(BoardSize size = BoardSize::Small) {
        auto editor = Create();
        editor->FormShow(Settings(size));
        editor->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(editor.get())); }();
        editor->FormActivate();
        return editor;
    }
};

// The grid as a full redraw would draw the editor's puzzle now.
inline QImage FullRedraw(const Tffeditor& editor, BoardSize size) {
    const PuzzleRecord& puzzle = editor.Puzzle();
    const RasterFont face = RasteriseFont(BoardTextFont(QStringLiteral("Arial"), 8, true));
    const ColourSet colours = DistinctColours();
    PixelImage image;
    BoardRenderer().Update(
        GridScene(puzzle.Solution, puzzle.Width, puzzle.Height, PitchOf(size), colours, face, {}),
        image);
    return ToQImage(image);
}

inline QImage ClientImage(const Tffeditor& editor) {
    return editor.ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A press at a client point, delivered where the window receives it: the grid's view.
inline void Press(Tffeditor& editor, Qt::MouseButton button, int x, int y) {
    ClickClient(*editor.ClientArea(), button, QPoint(x, y));
}

// The centre of a cell in client coordinates.
inline QPoint CellCentre(const Tffeditor& editor, int column, int row) {
    const PixelRect box = editor.Geometry().BoxOf({BoardArea::GridCell, column, row});
    return {BoardLeft + (box.Left + box.Right) / 2, BoardTop + (box.Top + box.Bottom) / 2};
}
