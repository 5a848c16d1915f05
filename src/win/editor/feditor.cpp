#include "editor/feditor.h"

#include "base/path_text.h"
#include "editor/editor_grid.h"
#include "editor/editor_puzzle.h"
#include "platform/clock.h"
#include "platform/clue_face_library.h"
#include "platform/guid_source.h"
#include "platform/user_name_source.h"
#include "ui/command_frame.h"
#include "ui/display_dpi.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/wide_text.h"

namespace {

constexpr int BoardLeft = 10;
constexpr int BoardTop = 40;
constexpr int CommandIdBase = 2000;
// Posted by the check's thread when its result is ready; lParam points at the result.
constexpr UINT CheckDoneMessage = WM_APP + 2;
// Posted on each opening, so that the new puzzle's dialog comes once the editor is up.
constexpr UINT OpenedMessage = WM_APP + 3;

constexpr int CommandId(EditorCommand command) {
    return CommandIdBase + static_cast<int>(command);
}

std::optional<EditorCommand> CommandOf(int id) {
    if (id < CommandIdBase || id > CommandId(EditorCommand::About1))
        return std::nullopt;
    return static_cast<EditorCommand>(id - CommandIdBase);
}

std::optional<ToolGlyph> GlyphOf(int id) {
    const auto command = CommandOf(id);
    if (!command)
        return std::nullopt;
    switch (*command) {
    case EditorCommand::New1:
        return ToolGlyph::NewPage;
    case EditorCommand::Open1:
        return ToolGlyph::OpenFolder;
    case EditorCommand::Save1:
        return ToolGlyph::SaveDisk;
    case EditorCommand::Contents1:
        return ToolGlyph::Help;
    default:
        return std::nullopt;
    }
}

COLORREF WindowColour(const ColourSet& colours) {
    return static_cast<COLORREF>(colours[static_cast<int>(ColourRole::WindowBackground)]);
}

} // namespace

Tffeditor::Tffeditor(HWND owner, EditorServices services) : Services(std::move(services)) {
    Create(L"Tffeditor", L"Puzzle Editor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, DesignedWidth,
           DesignedHeight, owner, CreateMenuBar(EditorMenus(), CommandId));
    // The designed size is the whole window's, frame and menu bar included.
    const DisplayScale scale = ScaleOf(Handle());
    SetWindowPos(Handle(), nullptr, 0, 0, scale.Length(DesignedWidth), scale.Length(DesignedHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Frame = std::make_unique<CommandFrame>(Handle(), EditorMenus(), EditorToolButtons(), CommandId,
                                           GlyphOf, L" Puzzle Editor", SIZE{23, 23});
    Board = std::make_unique<BoardView>(
        Handle(), ViewMargins{BoardLeft, BoardTop - ToolBandHeight, BoardLeft, BoardLeft});
    Board->SetHitTest([this](int x, int y) {
        return EditorGridGeometry(Document.Record(), Pitch).HitTest(x, y);
    });
    Board->OnPress(
        [this](const BoardPress& press) {
            if (press.Target)
                Show(Document.Press(press.Target->Col, press.Target->Row, press.Button));
        },
        [] {});
    UseWindowBackground();
    LayOutClient();
    UpdateCommandStates();
}

Tffeditor::~Tffeditor() {
    CancelCheck();
    if (Background != nullptr)
        DeleteObject(Background);
}

bool Tffeditor::TranslateShortcut(MSG& message) const {
    return Frame->TranslateShortcut(Handle(), message);
}

void Tffeditor::Edit(const EditorSettings& settings) {
    Pitch = settings.Pitch;
    Colours = settings.Colours;
    PuzzleFolder = settings.PuzzleFolder;
    ProgramFolder = settings.ProgramFolder;
    UseWindowBackground();
    Show(Document.EditorShown());
    PostMessageW(Handle(), OpenedMessage, 0, 0);
    ShowModal();
    CancelCheck();
}

LRESULT Tffeditor::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = Frame ? Frame->Message(message, wParam, lParam) : std::nullopt)
        return *handled;
    switch (message) {
    case OpenedMessage:
        NewPuzzle();
        return 0;
    case CheckDoneMessage: {
        const std::unique_ptr<PuzzleCheckResult> result(
            reinterpret_cast<PuzzleCheckResult*>(lParam));
        if (Checking && static_cast<unsigned>(wParam) == CheckRun) {
            CancelCheck();
            ShowCheckResult(*result);
        }
        return 0;
    }
    case WM_COMMAND:
        if (const auto command = CommandOf(LOWORD(wParam))) {
            Command(*command);
            return 0;
        }
        // Escape stops a running check and never closes the editor; Enter does nothing.
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            if (LOWORD(wParam) == IDCANCEL)
                CancelCheck();
            return 0;
        }
        break;
    case WM_SIZE:
        LayOutClient();
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another density: the parts take its scale, the window the
        // rectangle the system suggests, and the grid is laid out again in it.
        const DisplayScale scale(HIWORD(wParam));
        Frame->Tools().SetScale(scale);
        Board->SetScale(scale);
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        LayOutClient();
        return 0;
    }
    case WM_SETCURSOR:
        if (Checking && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
            return TRUE;
        }
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    default:
        break;
    }
    return ModalWindow::Message(message, wParam, lParam);
}

void Tffeditor::Command(EditorCommand command) {
    switch (command) {
    case EditorCommand::New1:
        NewPuzzle();
        break;
    case EditorCommand::Open1:
        OpenPuzzle();
        break;
    case EditorCommand::Save1:
        SavePuzzle(EditorDocument::SaveMode::Save);
        break;
    case EditorCommand::Saveas1:
        SavePuzzle(EditorDocument::SaveMode::SaveAs);
        break;
    case EditorCommand::Exit1:
        EndModal(IDOK);
        break;
    case EditorCommand::ClearPuzzle1:
        Show(Document.Clear());
        break;
    case EditorCommand::ImportFromBitmap1:
        ImportBitmap();
        break;
    case EditorCommand::EditInformation1:
        EditInformation1Click();
        break;
    case EditorCommand::CheckPuzzle1:
        CheckPuzzle1Click();
        break;
    case EditorCommand::Contents1:
        if (Services.ShowHelp)
            Services.ShowHelp(ProgramFolder / "Help" / "Quorvane.chm");
        break;
    case EditorCommand::About1:
        if (Services.ShowAbout)
            Services.ShowAbout();
        break;
    }
}

void Tffeditor::NewPuzzle() {
    PuzzleRecord made = NewEditorPuzzle(
        {Services.Time.OleNow(), Services.Guids.NewGuid(), Services.UserName.LoginName()});
    // Cancel keeps the puzzle that was there, on screen and in the record.
    if (!Dialogs->EditPuzzleInfo(made))
        return;
    CancelCheck();
    Show(Document.TakeNewPuzzle(made));
}

void Tffeditor::OpenPuzzle() {
    const std::filesystem::path chosen = OpenFileName(Handle(), PuzzleFolder, "*.qvf|*.qvf");
    if (chosen.empty())
        return;
    const EditorChange change = Document.OpenFile(chosen);
    // A check of the puzzle that was there would report on a puzzle no longer shown.
    if (change.Accepted)
        CancelCheck();
    Show(change);
}

void Tffeditor::SavePuzzle(EditorDocument::SaveMode mode) {
    std::optional<std::filesystem::path> target = Document.SaveTarget(mode);
    if (!target)
        return;
    if (target->empty()) {
        target = SaveFileName(Handle(), PuzzleFolder, "Quorvane Files|*.qvf");
        if (target->empty())
            return;
    }
    Show(Document.SaveUnder(*target, Services.Guids.NewGuid()));
}

void Tffeditor::ImportBitmap() {
    if (const auto picture = Dialogs->ChoosePicture())
        Show(Document.ImportPicture(*picture));
}

void Tffeditor::EditInformation1Click() {
    PuzzleRecord edited = Document.Record();
    if (!Dialogs->EditPuzzleInfo(edited))
        return;
    Show(Document.TakeInformation(edited));
}

void Tffeditor::CheckPuzzle1Click() {
    if (!Document.StartCheck().Accepted)
        return;
    CancelCheck();
    CheckCancelled = false;
    Checking = true;
    const unsigned run = ++CheckRun;
    const HWND window = Handle();
    Checker = std::thread([this, run, window, puzzle = Document.Record()] {
        auto result = std::make_unique<PuzzleCheckResult>(CheckPuzzle(puzzle, &CheckCancelled));
        if (PostMessageW(window, CheckDoneMessage, run, reinterpret_cast<LPARAM>(result.get())))
            result.release();
    });
}

void Tffeditor::CancelCheck() {
    if (!Checker.joinable())
        return;
    // A cancelled solver stops within one line solve, so the join holds the window up briefly.
    CheckCancelled = true;
    Checker.join();
    Checking = false;
    ++CheckRun;
}

void Tffeditor::ShowCheckResult(const PuzzleCheckResult& result) {
    Show(Document.TakeCheckResult(result));
    const std::string text = CheckVerdictText(result);
    if (result.Verdict == CheckVerdict::None || result.Verdict == CheckVerdict::Undecided)
        ShowError(Handle(), text);
    else
        Inform(Handle(), text);
}

void Tffeditor::Show(const EditorChange& change) {
    if (!change.Failure.empty())
        ShowError(Handle(), change.Failure);
    if (!change.Accepted)
        return;
    if (change.CaptionChanged)
        SetCaption();
    if (change.PuzzleReplaced)
        Board->ScrollHome();
    if (change.GridHidden || change.GridRedrawn || change.Cell || change.OutlinesChanged)
        DrawGrid();
    if (change.OutlinesChanged)
        Board->Reveal(FirstOutlineBox(Document.Record(), Pitch, Document.Outlined()));
    if (change.CommandsChanged)
        UpdateCommandStates();
}

void Tffeditor::DrawGrid() {
    Board->SetBoardHidden(!Document.GridShown());
    if (!Document.GridShown())
        return;
    const PuzzleRecord& record = Document.Record();
    const PixelRect changed =
        Renderer.Update(GridScene(record.Solution, record.Width, record.Height, Pitch, Colours,
                                  MarkFace(), Document.Outlined()),
                        Image);
    Board->ShowImage(Image, changed);
}

const RasterFont& Tffeditor::MarkFace() {
    if (!MarkFace_)
        MarkFace_ = RasteriseSystemFont("Arial", 8, true);
    return *MarkFace_;
}

void Tffeditor::UpdateCommandStates() {
    const HMENU bar = GetMenu(Handle());
    const bool shown = Document.GridShown();
    for (int position = 0; position < GetMenuItemCount(bar); ++position)
        if (EditorMenus()[static_cast<size_t>(position)].Name == std::string_view(EditorPuzzleMenu))
            EnableMenuItem(bar, static_cast<UINT>(position),
                           MF_BYPOSITION | (shown ? MF_ENABLED : MF_GRAYED));
    for (int id = CommandIdBase; CommandOf(id); ++id) {
        const bool enabled = EditorCommandEnabled(*CommandOf(id), shown);
        EnableMenuItem(bar, static_cast<UINT>(id),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        Frame->Tools().Enable(id, enabled);
    }
    DrawMenuBar(Handle());
}

void Tffeditor::SetCaption() {
    const std::filesystem::path& file = Document.FileName();
    const std::wstring caption =
        file.empty() ? std::wstring(L"Puzzle Editor") : L"Puzzle Editor - " + file.wstring();
    SetWindowTextW(Handle(), caption.c_str());
}

void Tffeditor::UseWindowBackground() {
    if (Background != nullptr)
        DeleteObject(Background);
    Background = CreateSolidBrush(WindowColour(Colours));
    Board->SetBackground(WindowColour(Colours));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Tffeditor::LayOutClient() {
    // The window is sized once while it is made, before its parts are.
    if (!Frame || !Board)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    Frame->Tools().LayOut(client.right);
    const int band = Frame->Tools().Height();
    Board->Place(0, band, {client.right, std::max<LONG>(0, client.bottom - band)});
}

void Tffeditor::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    FillRect(dc, &paint.rcPaint, Background);
    RECT client{};
    GetClientRect(Handle(), &client);
    Frame->Tools().PaintPanel(dc, client.right);
    EndPaint(Handle(), &paint);
}
