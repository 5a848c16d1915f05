#include "game/mainform.h"

#include "appearance/appearance_chooser.h"
#include "appearance/qt_colour.h"
#include "appearance/scheme_store.h"
#include "board/board_view.h"
#include "board/clue_fonts.h"
#include "editor/puzzle_editor.h"
#include "game/command_states.h"
#include "game/completion.h"
#include "game/fileinfo.h"
#include "game/game_texts.h"
#include "game/message_panel.h"
#include "library/congratulations_dialog.h"
#include "library/puzzle_chooser.h"
#include "library/solved_records.h"
#include "platform/clock.h"
#include "platform/font_library.h"
#include "platform/waiter.h"
#include "settings/registry_failure.h"
#include "settings/settings_keys.h"
#include "ui/board_margins.h"
#include "ui/dialog_look.h"
#include "ui/file_dialogs.h"
#include "ui/message_dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <stdexcept>

namespace {

// The band of status panels along the bottom of the client area.
constexpr int StatusBarHeight = 19;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

Tfmainform::Tfmainform(MainformServices services, const MainformDialogMaker& makeDialogs,
                       QWidget* parent)
    : QMainWindow(parent), Services(std::move(services)) {
    // The resources live in a static library, which the linker would otherwise leave out.
    Q_INIT_RESOURCE(mainform);
    setWindowTitle(Text(CaptionText(Session_.Phase(), Game().Puzzle)));
    setFont(DesignedFont());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowContextHelpButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("ClientArea"));
    Client->setAutoFillBackground(true);
    Client->installEventFilter(this);
    setCentralWidget(Client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tfmainform::Timer1Timer);

    Band = CreateToolBand(*Client);
    CreateCommands();
    CreateStatusBar();
    Board = new BoardView(Client);
    Board->setObjectName(QStringLiteral("Board"));
    Board->SetMargins(BoardMargins());
    Board->SetHitTest([this](int x, int y) { return Geometry().HitTest(x, y); });
    connect(Board, &BoardView::Pressed, this, &Tfmainform::FormMouseDown);
    connect(Board, &BoardView::Released, this, &Tfmainform::FormMouseUp);
    LayOutClient({DesignedClientWidth, DesignedClientHeight - ToolBandHeight - StatusBarHeight});

    // The board's colours come first: everything drawn afterwards uses them.
    const LoadedColours loaded = LoadBoardColours(Services.Registry);
    Colours = loaded.BoardColours;
    SchemeName = loaded.ActiveSchemeName;
    UseWindowBackground();

    Folders = ResolveProgramFolders(Services.Registry, Services.ProgramFolder);
    for (int failed = PrepareFolders(Folders, Services.UserDataFolder); failed > 0; --failed)
        Services.Messages.Error(QString::fromUtf8(FolderCreationMessage));

    for (const ClueFont& font : ClueFonts)
        Services.Fonts.AddFontFile(Folders.ProgramFolder / font.FileName);

    Hand1 = QCursor(QPixmap(QStringLiteral(":/cursors/HAND1")), 8, 2);
    Hand2 = QCursor(QPixmap(QStringLiteral(":/cursors/HAND2")), 8, 2);
    Client->setCursor(Hand1);

    UpdateCommandStates();

    // The commands call on the dialogs without asking whether they are there.
    Dialogs = makeDialogs(*this);
    if (!Dialogs.Complete())
        throw std::invalid_argument("The main window is given every dialog it shows");
}

Tfmainform::~Tfmainform() = default;

void Tfmainform::CreateStatusBar() {
    auto* statusBar = new QStatusBar(Client);
    StatusBar1 = statusBar;
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    statusBar->setCursor(Qt::ArrowCursor);
    UseFaceColour(*statusBar);
    const auto panel = [&](const char* name, int width) {
        auto* label = new QLabel(statusBar);
        label->setObjectName(QString::fromLatin1(name));
        label->setFixedWidth(width);
        label->setAlignment(Qt::AlignCenter);
        statusBar->addWidget(label);
        return label;
    };
    ClockPanel = panel("StatusPanel0", 100);
    LevelPanel = panel("StatusPanel1", 70);
    panel("StatusPanel2", 50);
}

void Tfmainform::LayOutClient(QSize view) {
    const QSize shown(view.width(), ToolBandHeight + view.height() + StatusBarHeight);
    Client->setFixedSize(shown);
    Band.LayOut(shown.width());
    Board->setGeometry(0, ToolBandHeight, view.width(), view.height());
    StatusBar1->setGeometry(0, shown.height() - StatusBarHeight, shown.width(), StatusBarHeight);
}

QSize Tfmainform::BoardViewSize() const {
    Board->SetLeastContentWidth(LeastClientWidth());
    return Board->SizeFor(AvailableClientSize() - QSize(0, ToolBandHeight + StatusBarHeight));
}

int Tfmainform::LeastClientWidth() const {
    return std::max(
        {Band.NeededWidth(), StatusBar1->minimumSizeHint().width(), menuBar()->sizeHint().width()});
}

QSize Tfmainform::AvailableClientSize() const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize area = shownOn->availableGeometry().size();
    return {area.width() - frame.width(),
            area.height() - frame.height() - menuBar()->sizeHint().height()};
}

bool Tfmainform::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !Activated)
        QTimer::singleShot(0, this, &Tfmainform::FormActivate);
    return QMainWindow::event(event);
}

bool Tfmainform::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Client)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(Client);
        FormPaint(painter);
        return true;
    }
    // Presses beside the board view, on the bands, only show in the cursor.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        FormMouseDown({});
        return true;
    case QEvent::MouseButtonRelease:
        FormMouseUp();
        return true;
    case QEvent::Wheel:
        QCoreApplication::sendEvent(Board->viewport(), event);
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void Tfmainform::closeEvent(QCloseEvent* event) {
    SavePrompt();
    RemoveFonts();
    event->accept();
}

void Tfmainform::RemoveFonts() {
    for (const ClueFont& font : ClueFonts)
        Services.Fonts.RemoveFontFile(Folders.ProgramFolder / font.FileName);
}

void Tfmainform::FormActivate() {
    if (Activated)
        return;
    Activated = true;
    repaint();
    Services.Waits.Wait(std::chrono::milliseconds(1000));
    Services.Splash.Hide();
    if (Services.Arguments.empty())
        return;
    const std::filesystem::path path = JoinArguments(Services.Arguments);
    switch (StartupFileKindOf(path)) {
    case StartupFileKind::Puzzle:
        LoadPuzzle(path);
        break;
    case StartupFileKind::SavedGame:
        LoadSavedGame(path);
        break;
    case StartupFileKind::None:
        break;
    }
}

void Tfmainform::LoadPuzzle(const std::filesystem::path& path) {
    Files.LoadPuzzle(path);
}

void Tfmainform::ShowLoadedGame() {
    setWindowTitle(Text(CaptionText(Session_.Phase(), Game().Puzzle)));
    LevelPanel->setText(Text(LevelText(Game().Puzzle)));
    Dialogs.FileInfo->Fill(Game().Puzzle);
}

void Tfmainform::SaveGame() {
    Files.SaveGame(Folders.SavedGamesFolder);
}

void Tfmainform::SaveGameAs() {
    Files.SaveGameAs(Folders.SavedGamesFolder);
}

void Tfmainform::LoadSavedGame(const std::filesystem::path& path) {
    Files.LoadSavedGame(path, Folders.SavedGamesFolder);
}

void Tfmainform::SavePrompt() {
    Files.SavePrompt(Folders.SavedGamesFolder);
}

void Tfmainform::ShowError(const std::string& text) {
    Services.Messages.Error(Text(text));
}

bool Tfmainform::AskYesNo(const std::string& text) {
    return Services.Messages.AskYesNo(Text(text));
}

std::filesystem::path Tfmainform::ChooseFileToSave(const std::filesystem::path& folder,
                                                   std::string_view filter) {
    return Services.Files.SaveFileName(folder, QString::fromUtf8(filter.data(), filter.size()));
}

std::filesystem::path Tfmainform::ChooseFileToOpen(const std::filesystem::path& folder,
                                                   std::string_view filter) {
    return Services.Files.OpenFileName(folder, QString::fromUtf8(filter.data(), filter.size()));
}

void Tfmainform::PuzzleEditor1Click() {
    Dialogs.Editor->Edit(
        {PitchOf(BoardSize_), Colours, Folders.PuzzleFolder, Folders.ProgramFolder});
}

void Tfmainform::Preferences1Click() {
    const AppearanceChoice chosen =
        Dialogs.Preferences->Choose({Colours, SchemeName}, PitchOf(BoardSize_));
    Colours = chosen.BoardColours;
    SchemeName = chosen.ActiveSchemeName;
    // Without a game the board is not drawn, but the background still takes the colour.
    UseWindowBackground();
    RebuildBoard();
    RepaintWindow();
}

void Tfmainform::StartanewGame1Click() {
    if (const auto chosen = Dialogs.NewGame->ChooseFrom(Folders.PuzzleFolder))
        LoadPuzzle(*chosen);
    Folders.PuzzleFolder = Dialogs.NewGame->ShownFolder();
    if (!StoreSetting(Services.Registry, "LastPuzzleDir", Folders.PuzzleFolder.string()))
        Services.Messages.Error(
            Text(RegistryWriteFailureText("the puzzle folder (LastPuzzleDir)")));
}

void Tfmainform::StartGame() {
    Show(Session_.Start());
}

void Tfmainform::PauseGame() {
    Show(Session_.Pause());
}

void Tfmainform::ResetGame() {
    Show(Session_.Reset());
}

void Tfmainform::ResetBoard1Click() {
    if (Services.Messages.ConfirmOkCancel(
            QStringLiteral("Are you sure you want ot reset this game?")))
        ResetGame();
}

void Tfmainform::Exit1Click() {
    SavePrompt();
    // Leaving by the menu skips the close handling: the process ends at once.
    QCoreApplication::exit(0);
}

void Tfmainform::UseBoardSize(BoardSize size) {
    BoardSize_ = size;
    RebuildBoard();
    RepaintWindow();
    Commands.Action(size == BoardSize::Small ? "Small1" : "Medium1")->setChecked(true);
}

void Tfmainform::FormMouseDown(const BoardPress& press) {
    Client->setCursor(Hand2);
    if (press.Target)
        Show(Session_.Press(*press.Target, press.Button));
}

void Tfmainform::FormMouseUp() {
    Client->setCursor(Hand1);
}

void Tfmainform::UndoAction() {
    Show(Session_.Undo());
}

void Tfmainform::RedoAction() {
    Show(Session_.Redo());
}

void Tfmainform::Timer1Timer() {
    Show(Session_.Tick());
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
    if (change.Box)
        RedrawBoard();
    if (change.PhaseChanged) {
        // The clock runs only while the game is played; a solved game keeps its time.
        if (Session_.Phase() == GamePhase::Running)
            Timer1->start();
        else
            Timer1->stop();
        RepaintWindow();
    }
    UpdateCommandStates();
    if (change.RecordLost)
        Services.Messages.Error(Text(std::string(NotEnoughMemoryText)));
    if (change.AnnounceCompletion)
        AnnounceCompletion();
}

void Tfmainform::AnnounceCompletion() {
    const bool record = Dialogs.Congratulations->Congratulate(Text(CongratulationsText(Game())));
    if (record && WriteSolvedRecord(Services.Registry, Game().Puzzle, Game().ElapsedSeconds,
                                    Services.Time.OleNow()) == RecordWrite::Failed)
        Services.Messages.Error(Text(RegistryWriteFailureText("the solved record of this puzzle")));
}

void Tfmainform::ShowClock() {
    ClockPanel->setText(Text(FormatClock(Game().ElapsedSeconds)));
    ClockPanel->repaint();
}

void Tfmainform::UpdateCommandStates() {
    const CommandStates states = CommandStatesFor(Session_.Phase(), Game());
    for (const auto& [name, command] : CommandNames)
        Commands.Action(name)->setEnabled(CommandEnabled(command, states));
}

void Tfmainform::RepaintWindow() {
    Board->SetBoardHidden(!BoardShown());
    Client->update();
}

bool Tfmainform::BoardShown() const {
    return Session_.Loaded() && PromptText(Session_.Phase(), Game().ElapsedSeconds).empty();
}

void Tfmainform::UseWindowBackground() {
    QPalette palette = Client->palette();
    palette.setColor(QPalette::Window,
                     ToQColor(Colours[static_cast<int>(ColourRole::WindowBackground)]));
    Client->setPalette(palette);
}

void Tfmainform::RebuildBoard() {
    if (!Session_.Loaded())
        return;
    UseWindowBackground();
    const ClueFont& face = ClueFontFor(BoardSize_);
    ClueFace = Services.Fonts.Face(QString::fromLatin1(face.FaceName), CluePointSize, true);
    RedrawBoard();
    LayOutClient(BoardViewSize());
    RepaintWindow();
}

void Tfmainform::RedrawBoard() {
    const PixelRect changed =
        Renderer.Update(GameBoardScene(Game(), BoardSize_, Colours, *ClueFace), Image);
    Board->ShowImage(&Image, changed);
}

void Tfmainform::FormPaint(QPainter& painter) {
    const std::string prompt = PromptText(Session_.Phase(), Game().ElapsedSeconds);
    if (!prompt.empty())
        DrawMessagePanel(painter, Client->rect(), Text(prompt));
}
