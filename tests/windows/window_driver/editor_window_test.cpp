// The Windows puzzle editor played with real mouse and keys: its grid against the core's drawing,
// a drawn puzzle saved and read back by the core, and bitmaps imported as the core imports them.
#include "window_driver/driver_checks.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"
#include "window_driver/x_input.h"

#include "editor/bmp_writer.h"

#include "base/ole_date.h"
#include "editor/bitmap_picture.h"
#include "editor/editor_document.h"
#include "editor/editor_grid.h"
#include "editor/editor_puzzle.h"
#include "editor/puzzle_check.h"
#include "model/puzzle_file.h"
#include "render/board_renderer.h"
#include "render/board_scene.h"
#include "support/puzzle_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr const char* EditorClass = "Tffeditor";
// The grid's top-left corner in the editor's client area, below its tool band.
constexpr int GridLeft = 10;
constexpr int GridTop = 40;
constexpr CellPitch Pitch = PitchOf(BoardSize::Small);

// The login name wine gives its programs in the driver's prefix.
std::string WineUserName() {
    std::string output;
    RunProgram({"wine", "cmd", "/c", "echo", "%USERNAME%"}, &output);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
        output.pop_back();
    return output;
}

// The editor in the program and the same document in the core, given the same presses. The
// editor's cells are only ever empty or filled and no check is run, so the grid has no "?" and
// the system's face for it plays no part in the drawing.
class EditedPuzzle {
public:
    EditedPuzzle(ProgramRun& run, const ClientArea& editor) : Run(run), Editor(editor) {}

    EditorDocument Document;

    void ExpectGridAsDrawn(const std::string& after) {
        const PuzzleRecord& record = Document.Record();
        PixelImage drawn;
        const RasterFont noFace;
        BoardRenderer().Update(GridScene(record.Solution, record.Width, record.Height, Pitch,
                                         DefaultScheme, noFace, Document.Outlined()),
                               drawn);
        EXPECT_EQ(AwaitDrawing(Run.Probe(), EditorClass, GridLeft, GridTop, drawn, 10s), "")
            << "the editor's grid after " << after;
    }

    // A press at the client point, which the core takes for the cell it hits, if any.
    void PressAt(int x, int y, ButtonKind button = ButtonKind::Left) {
        ASSERT_TRUE(ClickAt(Editor.X + x, Editor.Y + y,
                            button == ButtonKind::Left ? MouseButton::Left : MouseButton::Right));
        const auto target = EditorGridGeometry(Document.Record(), Pitch)
                                .HitTest(x - GridLeft, y - GridTop);
        if (target)
            Document.Press(target->Col, target->Row, button);
    }

    void PressCell(int column, int row, ButtonKind button = ButtonKind::Left) {
        const PixelRect box = EditorGridGeometry(Document.Record(), Pitch)
                                  .BoxOf({BoardArea::GridCell, column, row});
        PressAt(GridLeft + (box.Left + box.Right) / 2, GridTop + (box.Top + box.Bottom) / 2,
                button);
    }

private:
    ProgramRun& Run;
    ClientArea Editor;
};

void ClickControl(WindowProbe& probe, const std::string& caption, const std::string& text) {
    const auto control = probe.Control(caption, text, 10s);
    ASSERT_TRUE(control) << "no " << text << " in " << caption;
    ASSERT_TRUE(ClickAt((control->Left + control->Right) / 2, (control->Top + control->Bottom) / 2,
                        MouseButton::Left));
}

// The puzzle's identity once the file holds one other than `before`, waited for.
std::optional<PuzzleRecord> SavedOver(const fs::path& path, const Guid& before) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    PuzzleRecord read;
    do {
        if (ReadGamePuzzleFile(path, read) == FileReadStatus::Ok && !(read.PuzzleId == before))
            return read;
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

// A picture of black, white and two colours, its pattern shifted by `shift` so that no two
// imports of the same size give the same cells.
PixelPicture Pattern(int width, int height, int shift, bool twoColours) {
    PixelPicture picture{width, height, {}};
    const std::uint32_t colours[] = {0x000000, 0xFFFFFF, 0xC02020, 0x2040A0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Pixels.push_back(colours[(x * 3 + y * 5 + shift) % 7 % (twoColours ? 2 : 4)]);
    return picture;
}

struct BitmapCase {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

std::vector<BitmapCase> BitmapCases() {
    std::vector<BitmapCase> cases = {
        {"1 bit", BmpBytes(Pattern(13, 9, 0, true), {1})},
        {"4 bits", BmpBytes(Pattern(11, 12, 1, false), {4})},
        {"8 bits", BmpBytes(Pattern(16, 7, 2, false), {8})},
        {"RLE8", BmpBytes(Pattern(9, 14, 3, false), {8, false, true})},
        {"16 bits", BmpBytes(Pattern(15, 10, 4, false), {16})},
        {"24 bits", BmpBytes(Pattern(12, 13, 5, false), {24})},
        {"32 bits", BmpBytes(Pattern(10, 11, 6, false), {32})},
        {"top-down", BmpBytes(Pattern(14, 8, 0, false), {24, true})},
        {"too large", BmpBytes(Pattern(MaxGridSide + 1, 3, 0, false), {24})},
        {"not a bitmap", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'}},
    };
    std::vector<std::uint8_t> truncated = BmpBytes(Pattern(12, 12, 1, false), {24});
    truncated.resize(truncated.size() / 2);
    cases.push_back({"truncated", truncated});
    return cases;
}

} // namespace

// One start for the editor: a new puzzle drawn by presses, the grid after each against the core's
// drawing, the press edges of the last column, two saves, then every kind of bitmap imported.
TEST(WindowsEditor, DrawsSavesAndImportsAsTheCoreDoes) {
    TempFolder data;
    // The board's colours are the default scheme's unless another is chosen.
    RunProgram({"wine", "reg", "delete", "HKCU\\Software\\Quorvane", "/v", "ColorSet", "/f"});
    ProgramRun run({});
    ASSERT_TRUE(run.MainWindow("Quorvane [BETA]")) << "no main window";
    // Options > Puzzle Editor, its first item.
    ASSERT_TRUE(PressKey("alt+o"));
    ASSERT_TRUE(PressKey("Return"));
    ASSERT_TRUE(run.Probe().Find("Tfpuzzleinfo", 10s)) << "no information dialog for the new puzzle";
    const double opened = OleDateNow();
    ClickControl(run.Probe(), "Puzzle Information", "OK");
    const auto editor = run.Probe().Find(EditorClass, 10s);
    ASSERT_TRUE(editor) << "no editor";

    const std::string userName = WineUserName();
    EditedPuzzle puzzle(run, *editor);
    puzzle.Document.EditorShown();
    puzzle.Document.TakeNewPuzzle(NewEditorPuzzle({opened, {}, userName}));
    puzzle.ExpectGridAsDrawn("the new puzzle");
    puzzle.PressCell(0, 0);
    puzzle.PressCell(5, 3);
    puzzle.PressCell(15, 15);
    puzzle.ExpectGridAsDrawn("three presses");
    puzzle.PressCell(5, 3, ButtonKind::Right);
    puzzle.PressCell(9, 4, ButtonKind::Right);
    puzzle.ExpectGridAsDrawn("right presses on a filled and an empty cell");
    // The last column's right edge: client X 249 is in column 15, 250 and 251 are beyond the grid.
    const PixelRect first = EditorGridGeometry(puzzle.Document.Record(), Pitch)
                                .BoxOf({BoardArea::GridCell, 0, 2});
    const int rowY = GridTop + (first.Top + first.Bottom) / 2;
    puzzle.PressAt(249, rowY);
    ASSERT_EQ(puzzle.Document.Record().Solution.At(15, 2), 1) << "the core's hit test moved";
    puzzle.ExpectGridAsDrawn("a press at client X 249");
    puzzle.PressAt(250, rowY);
    puzzle.PressAt(251, rowY);
    // A press the window certainly takes, after those it must not, shows they were passed over.
    puzzle.PressCell(7, 7);
    puzzle.ExpectGridAsDrawn("presses at client X 250 and 251");

    const fs::path file = data / "drawn.qvf";
    ASSERT_TRUE(PressKey("ctrl+s"));
    ASSERT_TRUE(run.Probe().Find("#32770", 10s)) << "no save dialog";
    ASSERT_TRUE(TypeText(WindowsPath(file)));
    ASSERT_TRUE(PressKey("Return"));
    ASSERT_TRUE(run.Probe().AwaitFile(file, 10s)) << "nothing saved";
    const auto saved = SavedOver(file, {});
    ASSERT_TRUE(saved) << "the core does not read the saved puzzle";
    const PuzzleRecord& drawn = puzzle.Document.Record();
    EXPECT_EQ(saved->Width, 16);
    EXPECT_EQ(saved->Height, 16);
    EXPECT_TRUE(saved->Solution == drawn.Solution) << "the saved cells are not those pressed";
    const std::string named = saved->Name.Text();
    EXPECT_TRUE(named == drawn.Name.Text() ||
                named == NewEditorPuzzle({opened - 1.0 / 1440, {}, {}}).Name.Text() ||
                named == NewEditorPuzzle({opened + 1.0 / 1440, {}, {}}).Name.Text())
        << named << " is not New Puzzle and the minute the editor opened it";
    EXPECT_FALSE(userName.empty());
    EXPECT_EQ(saved->Creator.Text(), userName);
    EXPECT_EQ(saved->Comments.Text(), "No comments");

    // A puzzle with a file is saved again there at once, as a new version.
    ASSERT_TRUE(PressKey("ctrl+s"));
    const auto again = SavedOver(file, saved->PuzzleId);
    ASSERT_TRUE(again) << "the second save wrote no new PuzzleId";
    EXPECT_TRUE(again->Solution == drawn.Solution);
    EXPECT_FALSE(run.Probe().Find("#32770", 0ms)) << "the second save asked for a name";

    // Puzzle > Import From Bitmap, the second item of the menu, for each file in turn.
    for (const BitmapCase& bitmap : BitmapCases()) {
        SCOPED_TRACE(bitmap.Name);
        const fs::path path = data / (bitmap.Name + ".bmp");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bitmap.Bytes.data()),
                   static_cast<std::streamsize>(bitmap.Bytes.size()));
        ASSERT_TRUE(PressKey("alt+p"));
        ASSERT_TRUE(PressKey("Down"));
        ASSERT_TRUE(PressKey("Return"));
        ASSERT_TRUE(run.Probe().Find("#32770", 10s)) << "no picture dialog";
        ASSERT_TRUE(TypeText(WindowsPath(path)));
        ASSERT_TRUE(PressKey("Return"));
        const BitmapPicture read = ReadBitmapPicture(path);
        if (!read.Picture) {
            EXPECT_TRUE(run.Probe().Control("Quorvane", read.Failure, 10s))
                << "no message box saying: " << read.Failure;
            ASSERT_TRUE(PressKey("Return"));
            continue;
        }
        const EditorChange change = puzzle.Document.ImportPicture(*read.Picture);
        ASSERT_TRUE(change.Accepted && change.Failure.empty()) << change.Failure;
        puzzle.ExpectGridAsDrawn("importing the bitmap");
    }
}

namespace {

// Editor > Open through its dialog, the file's path typed.
void OpenInEditor(ProgramRun& run, const fs::path& file) {
    ASSERT_TRUE(PressKey("ctrl+o"));
    ASSERT_TRUE(run.Probe().Find("#32770", 10s)) << "no open dialog";
    ASSERT_TRUE(TypeText(WindowsPath(file)));
    ASSERT_TRUE(PressKey("Return"));
}

// The editor opened from the main window, its new puzzle taken as offered, then the file opened.
void OpenEditorOn(ProgramRun& run, const fs::path& file, std::optional<ClientArea>& editor) {
    ASSERT_TRUE(run.MainWindow("Quorvane [BETA]")) << "no main window";
    ASSERT_TRUE(PressKey("alt+o"));
    ASSERT_TRUE(PressKey("Return"));
    ASSERT_TRUE(run.Probe().Find("Tfpuzzleinfo", 10s)) << "no information dialog";
    ClickControl(run.Probe(), "Puzzle Information", "OK");
    editor = run.Probe().Find(EditorClass, 10s);
    ASSERT_TRUE(editor) << "no editor";
    OpenInEditor(run, file);
}

} // namespace

// A grid taller than the editor, scrolled to its end with the bar: its last row and closing rule
// show, and a press changes the cell under the pointer, as the saved file tells.
TEST(WindowsEditor, AScrolledGridTakesThePressWhereItShowsIt) {
    TempFolder data;
    RunProgram({"wine", "reg", "delete", "HKCU\\Software\\Quorvane", "/v", "ColorSet", "/f"});
    const fs::path file = data / "tall.qvf";
    ASSERT_EQ(WritePuzzleFile(file, PuzzleFromPicture(std::vector<std::string>(
                                        40, std::string(16, '.')))),
              "");
    ProgramRun run({});
    std::optional<ClientArea> editor;
    OpenEditorOn(run, file, editor);
    ASSERT_TRUE(editor);
    EditedPuzzle puzzle(run, *editor);
    ASSERT_TRUE(puzzle.Document.OpenFile(file).Accepted);

    // Presses on the bar's track below its thumb page down until the end. The bar stands along
    // the client's right edge, below the tool band.
    const int barX = editor->X + editor->Width - 5;
    for (int page = 0; page < 6; ++page)
        ASSERT_TRUE(ClickAt(barX, editor->Y + editor->Height - 25, MouseButton::Left));
    PixelImage drawn;
    BoardRenderer().Update(GridScene(puzzle.Document.Record().Solution, 16, 40, Pitch,
                                     DefaultScheme, RasterFont(), {}),
                           drawn);
    // Scrolled to the end, the grid's last pixel row lies 10 pixels above the client's bottom.
    const int gridTop = editor->Height - 10 - drawn.Height;
    ASSERT_LT(gridTop, GridTop) << "the grid fits: nothing to scroll";
    EXPECT_EQ(AwaitDrawing(run.Probe(), EditorClass, GridLeft, GridTop,
                           Cropped(drawn, {0, GridTop - gridTop, drawn.Width, drawn.Height}), 10s),
              "")
        << "the grid scrolled to its end";

    const PixelRect box = EditorGridGeometry(puzzle.Document.Record(), Pitch)
                              .BoxOf({BoardArea::GridCell, 5, 38});
    ASSERT_TRUE(ClickAt(editor->X + GridLeft + (box.Left + box.Right) / 2,
                        editor->Y + gridTop + (box.Top + box.Bottom) / 2, MouseButton::Left));
    ASSERT_TRUE(PressKey("ctrl+s"));
    const auto saved = SavedOver(file, puzzle.Document.Record().PuzzleId);
    ASSERT_TRUE(saved) << "nothing saved";
    for (int row = 0; row < 40; ++row)
        for (int column = 0; column < 16; ++column)
            EXPECT_EQ(saved->Solution.At(column, row), column == 5 && row == 38 ? 1 : 0)
                << "cell (" << column << ", " << row << ")";

    // Another tall puzzle opened starts at the grid's top-left corner, however far the last one
    // was scrolled.
    const fs::path other = data / "other.qvf";
    const PuzzleRecord otherRecord =
        PuzzleFromPicture(std::vector<std::string>(40, "#.#." + std::string(12, '.')));
    ASSERT_EQ(WritePuzzleFile(other, otherRecord), "");
    OpenInEditor(run, other);
    BoardRenderer().Update(
        GridScene(otherRecord.Solution, 16, 40, Pitch, DefaultScheme, RasterFont(), {}), drawn);
    EXPECT_EQ(AwaitDrawing(run.Probe(), EditorClass, GridLeft, GridTop,
                           Cropped(drawn, {0, 0, drawn.Width, editor->Height - GridTop}), 10s),
              "")
        << "the tall grid opened after a scrolled one";

    // 33 columns fit the editor's width, so no bar stands along its foot.
    const fs::path wide = data / "wide.qvf";
    const PuzzleRecord wideRecord =
        PuzzleFromPicture(std::vector<std::string>(16, "#" + std::string(32, '.')));
    ASSERT_EQ(WritePuzzleFile(wide, wideRecord), "");
    OpenInEditor(run, wide);
    BoardRenderer().Update(
        GridScene(wideRecord.Solution, 33, 16, Pitch, DefaultScheme, RasterFont(), {}), drawn);
    ASSERT_LE(GridLeft + drawn.Width, editor->Width);
    EXPECT_EQ(AwaitDrawing(run.Probe(), EditorClass, GridLeft, GridTop, drawn, 10s), "")
        << "the wide grid, from its top-left corner";
    const auto foot = run.Probe().Grab(EditorClass, {0, editor->Height - 17, editor->Width,
                                                     editor->Height});
    ASSERT_TRUE(foot);
    EXPECT_TRUE(std::all_of(foot->Pixels.begin(), foot->Pixels.end(), [](Pixel pixel) {
        return (pixel & 0xFFFFFF) == (PixelOf(DefaultScheme[0]) & 0xFFFFFF);
    })) << "a bar stands along the foot of a grid that fits";
}

// A check whose outlines lie below the part of the grid on screen scrolls the first of them into
// sight.
TEST(WindowsEditor, CheckScrollsItsFirstOutlineIntoSight) {
    TempFolder data;
    RunProgram({"wine", "reg", "delete", "HKCU\\Software\\Quorvane", "/v", "ColorSet", "/f"});
    // Two cells on a diagonal in rows 62 and 63: the other diagonal has the same clues.
    std::vector<std::string> rows(64, std::string(64, '.'));
    rows[62][0] = '#';
    rows[63][1] = '#';
    const PuzzleRecord ambiguous = PuzzleFromPicture(rows);
    const fs::path file = data / "ambiguous.qvf";
    ASSERT_EQ(WritePuzzleFile(file, ambiguous), "");
    ProgramRun run({});
    std::optional<ClientArea> editor;
    OpenEditorOn(run, file, editor);
    ASSERT_TRUE(editor);
    EditorDocument document;
    ASSERT_TRUE(document.OpenFile(file).Accepted);
    // The check is asked for once the opened grid shows: its top rows, out of the dialog's way.
    PixelImage opened;
    BoardRenderer().Update(
        GridScene(ambiguous.Solution, 64, 64, Pitch, DefaultScheme, RasterFont(), {}), opened);
    ASSERT_EQ(AwaitDrawing(run.Probe(), EditorClass, GridLeft, GridTop,
                           Cropped(opened, {0, 0, 100, 100}), 10s),
              "")
        << "the opened grid";
    ASSERT_TRUE(document.StartCheck().Accepted);
    const PuzzleCheckResult result = CheckPuzzle(ambiguous);
    ASSERT_EQ(result.Verdict, CheckVerdict::Several);
    document.TakeCheckResult(result);

    // A click on the tool band's empty end gives the editor the keys, which the dialog just
    // closed may have left elsewhere; Ctrl+K is given again should it still go astray.
    ASSERT_TRUE(ClickAt(editor->X + editor->Width - 10, editor->Y + 10, MouseButton::Left));
    bool answered = false;
    for (int attempt = 0; attempt < 3 && !answered; ++attempt) {
        ASSERT_TRUE(PressKey("ctrl+k"));
        answered = run.Probe().Control("Quorvane", CheckVerdictText(result), 15s).has_value();
    }
    if (!answered) {
        std::string shown;
        for (const TopWindow& window : run.Probe().Windows())
            shown += " [" + window.Class + " \"" + window.Caption + "\"]";
        FAIL() << "no verdict saying: " << CheckVerdictText(result) << "; windows:" << shown;
    }
    ASSERT_TRUE(PressKey("Return"));

    // The bar across stands along the client's foot: its height is where the window's colour
    // ends at the client's left edge.
    const auto edge = run.Probe().Grab(EditorClass, {0, 0, 1, editor->Height});
    ASSERT_TRUE(edge);
    int barHeight = 0;
    while (barHeight < edge->Height &&
           (edge->At(0, edge->Height - 1 - barHeight) & 0xFFFFFF) !=
               (PixelOf(DefaultScheme[0]) & 0xFFFFFF))
        ++barHeight;
    ASSERT_GT(barHeight, 0) << "no bar across a grid wider than the editor";
    // Scrolled as little as brings the first outlined box into sight: its foot on the shown
    // area's foot.
    const PixelRect box = FirstOutlineBox(ambiguous, Pitch, document.Outlined());
    const int gridTop = editor->Height - barHeight - box.Bottom;
    PixelImage drawn;
    BoardRenderer().Update(GridScene(ambiguous.Solution, 64, 64, Pitch, DefaultScheme,
                                     RasterFont(), document.Outlined()),
                           drawn);
    // The rows from one cell above the outlines to the foot of the shown area, 100 pixels wide.
    const int top = box.Top - Pitch.Height;
    EXPECT_EQ(AwaitDrawing(run.Probe(), EditorClass, GridLeft, gridTop + top,
                           Cropped(drawn, {0, top, 100, box.Bottom}), 10s),
              "")
        << "the first outlined cell is not on screen at the foot of the grid's view";
}
