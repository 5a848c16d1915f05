#include "game/mainform.h"

#include "appearance/scheme_store.h"
#include "base/path_text.h"
#include "board/clue_fonts.h"
#include "game/command_states.h"
#include "game/completion.h"
#include "game/game_texts.h"
#include "game/main_menu.h"
#include "game/prompt_panel.h"
#include "library/solved_records.h"
#include "platform/clock.h"
#include "platform/clue_face_library.h"
#include "platform/help_viewer.h"
#include "platform/waiter.h"
#include "settings/registry_failure.h"
#include "settings/settings_keys.h"
#include "ui/command_frame.h"
#include "ui/command_ids.h"
#include "ui/controls.h"
#include "ui/display_dpi.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/wide_text.h"

// commctrl.h needs the types of windows.h.
#include <algorithm>
#include <commctrl.h>
#include <fstream>

namespace {

constexpr int BoardLeft = 10;
constexpr int BoardTop = 40;
constexpr int DesignedStatusBarHeight = 19;
// The right edges of the status bar's panels: the clock, the level, the rest.
constexpr int PanelEdges[] = {100, 170, 220};
// The board view's content is never narrower than the status bar's panels.
constexpr int LeastBoardWidth = 220;
constexpr UINT_PTR Timer1 = 1;
// Posted by the first activation, so that the window is on screen before the start-up waits.
constexpr UINT ActivateMessage = WM_APP + 1;

ToolGlyph GlyphOf(MainCommand command) {
    switch (command) {
    case MainCommand::StartanewGame1:
        return ToolGlyph::NewPage;
    case MainCommand::OpenSavedGame1:
        return ToolGlyph::OpenFolder;
    case MainCommand::SaveGame1:
        return ToolGlyph::SaveDisk;
    case MainCommand::StartResume:
        return ToolGlyph::Play;
    case MainCommand::Stop1:
        return ToolGlyph::Pause;
    case MainCommand::Undo1:
        return ToolGlyph::Back;
    case MainCommand::Redo1:
        return ToolGlyph::Forward;
    default:
        return ToolGlyph::Help;
    }
}

// Beside a menu item stands the image of its tool button; Start shares the start button's.
std::optional<ToolGlyph> MenuImageOf(int id) {
    if (!IsCommandId(id))
        return std::nullopt;
    const MainCommand command =
        CommandOf(id) == MainCommand::Start1 ? MainCommand::StartResume : CommandOf(id);
    for (const MainToolButton& button : MainToolButtons())
        if (button.Command == command)
            return GlyphOf(command);
    return std::nullopt;
}

COLORREF ColourOf(const ColourSet& colours, ColourRole role) {
    return static_cast<COLORREF>(colours[static_cast<int>(role)]);
}

void SetPanelText(HWND statusBar, int panel, const std::string& text) {
    // A leading tab centres a panel's text.
    const std::wstring centred = L"\t" + Wide(text);
    SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(centred.c_str()));
}

} // namespace

Tfmainform::Tfmainform(MainformServices services) : Services(std::move(services)) {
    Create(L"Tfmainform", Wide(CaptionText(Session_.Phase(), Session_.Game().Puzzle)),
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
           WS_EX_CONTEXTHELP, DesignedClientWidth, DesignedClientHeight, nullptr,
           CreateMenuBar(MainMenus(), CommandId));
    Scale = ScaleOf(Handle());
    Frame = std::make_unique<CommandFrame>(Handle(), MainMenus(), MainToolButtons(), CommandId,
                                           MenuImageOf, L" Quorvane", SIZE{23, 22});
    StatusBar1 = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0,
                                 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ScaleStatusBar();
    Board = std::make_unique<BoardView>(
        Handle(), ViewMargins{BoardLeft, BoardTop - ToolBandHeight, BoardLeft, BoardLeft});
    Board->SetHitTest([this](int x, int y) {
        return BoardGeometry::Of(Session_.Game(), BoardSize_).HitTest(x, y);
    });
    Board->OnPress([this](const BoardPress& press) { FormMouseDown(press); },
                   [this] {
                       Shown = Hand1;
                       SetCursor(Shown);
                   });
    LayOutClient({Scale.Length(DesignedClientWidth),
                  Scale.Length(DesignedClientHeight - ToolBandHeight - DesignedStatusBarHeight)});

    // The board's colours come first: everything drawn afterwards uses them.
    const LoadedColours loaded = LoadBoardColours(Services.Registry);
    Colours = loaded.BoardColours;
    SchemeName = loaded.ActiveSchemeName;
    UseWindowBackground();

    Folders_ = ResolveProgramFolders(Services.Registry, Services.ProgramFolder);
    for (int failed = PrepareFolders(Folders_, Services.UserDataFolder); failed > 0; --failed)
        ShowError(FolderCreationMessage);

    for (const ClueFont& font : ClueFonts)
        Services.Fonts.AddFontFile(Folders_.ProgramFolder / font.FileName);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    Hand1 = LoadCursorW(instance, L"HAND1");
    Hand2 = LoadCursorW(instance, L"HAND2");
    Shown = Hand1;
    CheckMenuRadioItem(GetMenu(Handle()), CommandId(MainCommand::Small1),
                       CommandId(MainCommand::Medium1), CommandId(MainCommand::Small1),
                       MF_BYCOMMAND);
    UpdateCommandStates();
}

Tfmainform::~Tfmainform() {
    if (Background != nullptr)
        DeleteObject(Background);
}

bool Tfmainform::TranslateShortcut(MSG& message) const {
    return Frame->TranslateShortcut(Handle(), message);
}

LRESULT Tfmainform::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = Frame ? Frame->Message(message, wParam, lParam) : std::nullopt)
        return *handled;
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !Activated) {
            Activated = true;
            PostMessageW(Handle(), ActivateMessage, 0, 0);
        }
        break;
    case ActivateMessage:
        FormActivate();
        return 0;
    case WM_COMMAND:
        if (IsCommandId(LOWORD(wParam))) {
            Command(CommandOf(LOWORD(wParam)));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == Timer1)
            Show(Session_.Tick());
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(Shown);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        FormMouseDown({});
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Shown = Hand1;
        SetCursor(Shown);
        return 0;
    case WM_CLOSE:
        Files.SavePrompt(Folders_.SavedGamesFolder);
        RemoveFonts();
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_DPICHANGED:
        UseDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return Window::Message(message, wParam, lParam);
}

void Tfmainform::Command(MainCommand command) {
    switch (command) {
    case MainCommand::StartanewGame1:
        StartanewGame1Click();
        break;
    case MainCommand::OpenSavedGame1:
        Files.LoadSavedGame({}, Folders_.SavedGamesFolder);
        break;
    case MainCommand::SaveGame1:
        Files.SaveGame(Folders_.SavedGamesFolder);
        break;
    case MainCommand::SaveGameas1:
        Files.SaveGameAs(Folders_.SavedGamesFolder);
        break;
    case MainCommand::SolvedPuzzles1:
        Dialogs->ShowSolvedPuzzles();
        break;
    case MainCommand::Exit1:
        Files.SavePrompt(Folders_.SavedGamesFolder);
        // Leaving by the menu skips the close handling: the process ends at once.
        ExitProcess(0);
    case MainCommand::Undo1:
        Show(Session_.Undo());
        break;
    case MainCommand::Redo1:
        Show(Session_.Redo());
        break;
    case MainCommand::Start1:
    case MainCommand::StartResume:
        Show(Session_.Start());
        break;
    case MainCommand::Stop1:
        Show(Session_.Pause());
        break;
    case MainCommand::ResetBoard1:
        ResetBoard1Click();
        break;
    case MainCommand::PuzzleEditor1:
        Dialogs->EditPuzzles(
            {PitchOf(BoardSize_), Colours, Folders_.PuzzleFolder, Folders_.ProgramFolder});
        break;
    case MainCommand::FileInformation1:
        Dialogs->ShowFileInformation();
        break;
    case MainCommand::Preferences1:
        Preferences1Click();
        break;
    case MainCommand::Small1:
        UseBoardSize(BoardSize::Small);
        break;
    case MainCommand::Medium1:
        UseBoardSize(BoardSize::Large);
        break;
    case MainCommand::Contents1:
        Services.Help.ShowHelp(Folders_.ProgramFolder / "Help" / "Quorvane.chm");
        break;
    case MainCommand::About1:
        Dialogs->ShowAbout();
        break;
    }
}

void Tfmainform::FormActivate() {
    UpdateWindow(Handle());
    Services.Waits.Wait(std::chrono::milliseconds(1000));
    Services.HideSplash();
    if (Services.Arguments.empty())
        return;
    const std::filesystem::path path = PathFromText(JoinArguments(Services.Arguments));
    switch (StartupFileKindOf(path)) {
    case StartupFileKind::Puzzle:
        Files.LoadPuzzle(path);
        break;
    case StartupFileKind::SavedGame:
        Files.LoadSavedGame(path, Folders_.SavedGamesFolder);
        break;
    case StartupFileKind::None:
        break;
    }
}

void Tfmainform::ShowError(const std::string& text) {
    ::ShowError(Handle(), text);
}

bool Tfmainform::AskYesNo(const std::string& text) {
    return ::AskYesNo(Handle(), text);
}

std::filesystem::path Tfmainform::ChooseFileToSave(const std::filesystem::path& folder,
                                                   std::string_view filter) {
    return SaveFileName(Handle(), folder, filter);
}

std::filesystem::path Tfmainform::ChooseFileToOpen(const std::filesystem::path& folder,
                                                   std::string_view filter) {
    return OpenFileName(Handle(), folder, filter);
}

void Tfmainform::StartanewGame1Click() {
    std::filesystem::path shown = Folders_.PuzzleFolder;
    if (const auto chosen = Dialogs->ChooseNewGame(Folders_.PuzzleFolder, shown))
        Files.LoadPuzzle(*chosen);
    Folders_.PuzzleFolder = shown;
    if (!StoreSetting(Services.Registry, "LastPuzzleDir", PathText(Folders_.PuzzleFolder)))
        ShowError(RegistryWriteFailureText("the puzzle folder (LastPuzzleDir)"));
}

void Tfmainform::ResetBoard1Click() {
    if (ConfirmOkCancel(Handle(), "Are you sure you want ot reset this game?"))
        Show(Session_.Reset());
}

void Tfmainform::UseBoardSize(BoardSize size) {
    BoardSize_ = size;
    RebuildBoard();
    RepaintWindow();
    CheckMenuRadioItem(
        GetMenu(Handle()), CommandId(MainCommand::Small1), CommandId(MainCommand::Medium1),
        CommandId(size == BoardSize::Small ? MainCommand::Small1 : MainCommand::Medium1),
        MF_BYCOMMAND);
}

void Tfmainform::Preferences1Click() {
    const AppearanceChoice chosen =
        Dialogs->ChooseAppearance({Colours, SchemeName}, PitchOf(BoardSize_));
    Colours = chosen.BoardColours;
    SchemeName = chosen.ActiveSchemeName;
    // Without a game the board is not drawn, but the background still takes the colour.
    UseWindowBackground();
    RebuildBoard();
    RepaintWindow();
}

void Tfmainform::UseWindowBackground() {
    if (Background != nullptr)
        DeleteObject(Background);
    Background = CreateSolidBrush(ColourOf(Colours, ColourRole::WindowBackground));
    Board->SetBackground(ColourOf(Colours, ColourRole::WindowBackground));
}

void Tfmainform::FormMouseDown(const BoardPress& press) {
    PressReached = std::chrono::steady_clock::now();
    Shown = Hand2;
    SetCursor(Shown);
    if (press.Target)
        Show(Session_.Press(*press.Target, press.Button));
    PressReached.reset();
}

void Tfmainform::Show(const SessionChange& change) {
    if (!change.Accepted)
        return;
    if (change.GameReplaced) {
        ShowLoadedGame();
        Board->ScrollHome();
    }
    if (change.ClockChanged)
        ShowClock();
    if (change.BoardRebuilt)
        RebuildBoard();
    if (change.Box) {
        RedrawBoard();
        // Timed before any congratulations the press calls for.
        if (PressReached)
            NotePaintTime("press", *PressReached);
    }
    if (change.PhaseChanged) {
        // The clock runs only while the game is played; a solved game keeps its time.
        if (Session_.Phase() == GamePhase::Running)
            SetTimer(Handle(), Timer1, 1000, nullptr);
        else
            KillTimer(Handle(), Timer1);
        RepaintWindow();
    }
    UpdateCommandStates();
    if (change.RecordLost)
        ShowError(std::string(NotEnoughMemoryText));
    if (change.AnnounceCompletion)
        AnnounceCompletion();
}

void Tfmainform::ShowLoadedGame() {
    SetWindowTextW(Handle(), Wide(CaptionText(Session_.Phase(), Session_.Game().Puzzle)).c_str());
    SetPanelText(StatusBar1, 1, LevelText(Session_.Game().Puzzle));
    Dialogs->ShowLoaded(Session_.Game().Puzzle);
}

void Tfmainform::ShowClock() {
    SetPanelText(StatusBar1, 0, FormatClock(Session_.Game().ElapsedSeconds));
    UpdateWindow(StatusBar1);
}

void Tfmainform::AnnounceCompletion() {
    const GameState& game = Session_.Game();
    const bool record = Dialogs->Congratulate(CongratulationsText(game));
    if (record && WriteSolvedRecord(Services.Registry, game.Puzzle, game.ElapsedSeconds,
                                    Services.Time.OleNow()) == RecordWrite::Failed)
        ShowError(RegistryWriteFailureText("the solved record of this puzzle"));
}

void Tfmainform::UpdateCommandStates() {
    const CommandStates states = CommandStatesFor(Session_.Phase(), Session_.Game());
    const HMENU menu = GetMenu(Handle());
    for (int id = CommandIdBase; IsCommandId(id); ++id) {
        const bool enabled = CommandEnabled(CommandOf(id), states);
        EnableMenuItem(menu, static_cast<UINT>(id),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        Frame->Tools().Enable(id, enabled);
    }
}

void Tfmainform::RebuildBoard() {
    if (!Session_.Loaded())
        return;
    const auto started = std::chrono::steady_clock::now();
    UseWindowBackground();
    const ClueFont& face = ClueFontFor(BoardSize_);
    ClueFace = Services.Fonts.Face(std::string(face.FaceName), CluePointSize, true);
    RedrawBoard();
    Board->SetLeastContentWidth(
        std::max(Frame->Tools().NeededWidth(), Scale.Length(LeastBoardWidth)));
    const SIZE available = AvailableClientSize();
    LayOutClient(Board->SizeFor(
        {available.cx, available.cy - Frame->Tools().Height() - StatusBarHeight()}));
    RepaintWindow();
    NotePaintTime("board", started);
}

void Tfmainform::RedrawBoard() {
    const PixelRect changed =
        Renderer.Update(GameBoardScene(Session_.Game(), BoardSize_, Colours, *ClueFace), Image);
    Board->ShowImage(Image, changed);
}

void Tfmainform::RepaintWindow() {
    Board->SetBoardHidden(!BoardShown());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Tfmainform::BoardShown() const {
    return Session_.Loaded() &&
           PromptText(Session_.Phase(), Session_.Game().ElapsedSeconds).empty();
}

void Tfmainform::LayOutClient(SIZE view) {
    const int width = view.cx;
    const int band = Frame->Tools().Height();
    const int height = band + view.cy + StatusBarHeight();
    const SIZE outer = OuterSize(Handle(), width, height);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto two lines takes client rows: the window grows by as many.
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.bottom != height)
        SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnWorkArea(Handle());
    Frame->Tools().LayOut(width);
    Board->Place(0, band, view);
    MoveWindow(StatusBar1, 0, height - StatusBarHeight(), width, StatusBarHeight(), TRUE);
}

void Tfmainform::ScaleStatusBar() {
    SendMessageW(StatusBar1, WM_SETFONT, reinterpret_cast<WPARAM>(DesignedFont(Scale.Dpi())),
                 FALSE);
    int panelEdges[3]{};
    for (int i = 0; i < 3; ++i)
        panelEdges[i] = Scale.Length(PanelEdges[i]);
    SendMessageW(StatusBar1, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(panelEdges));
}

int Tfmainform::StatusBarHeight() const {
    return Scale.Length(DesignedStatusBarHeight);
}

void Tfmainform::UseDpi(int dpi, const RECT& suggested) {
    Scale = DisplayScale(dpi);
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Frame->Tools().SetScale(Scale);
    ScaleStatusBar();
    Board->SetScale(Scale);
    Board->SetLeastContentWidth(
        std::max(Frame->Tools().NeededWidth(), Scale.Length(LeastBoardWidth)));
    if (Session_.Loaded()) {
        const SIZE available = AvailableClientSize();
        LayOutClient(Board->SizeFor(
            {available.cx, available.cy - Frame->Tools().Height() - StatusBarHeight()}));
    } else {
        LayOutClient({Scale.Length(DesignedClientWidth),
                      Scale.Length(DesignedClientHeight - ToolBandHeight - DesignedStatusBarHeight)});
    }
    RepaintWindow();
}

SIZE Tfmainform::AvailableClientSize() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const SIZE frame = OuterSize(Handle(), 0, 0);
    return {monitor.rcWork.right - monitor.rcWork.left - frame.cx,
            monitor.rcWork.bottom - monitor.rcWork.top - frame.cy};
}

void Tfmainform::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    FillRect(dc, &paint.rcPaint, Background);
    RECT client{};
    GetClientRect(Handle(), &client);
    Frame->Tools().PaintPanel(dc, client.right);
    const std::string prompt = PromptText(Session_.Phase(), Session_.Game().ElapsedSeconds);
    if (!prompt.empty())
        DrawPromptPanel(dc, client, prompt, Scale);
    EndPaint(Handle(), &paint);
}

void Tfmainform::RemoveFonts() {
    for (const ClueFont& font : ClueFonts)
        Services.Fonts.RemoveFontFile(Folders_.ProgramFolder / font.FileName);
}

void Tfmainform::NotePaintTime(const char* what,
                               std::chrono::steady_clock::time_point since) const {
    if (Services.PaintTimes.empty())
        return;
    const auto taken = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - since);
    std::ofstream(Services.PaintTimes, std::ios::app) << what << ' ' << taken.count() << '\n';
}
