#include "game/mainform.h"

#include "appearance/qt_colour.h"
#include "board/board_renderer.h"
#include "board/clue_fonts.h"
#include "board/history.h"
#include "editor/fileinfo.h"
#include "game/command_states.h"
#include "game/completion.h"
#include "game/dialog_look.h"
#include "game/file_dialogs.h"
#include "game/game_texts.h"
#include "game/message_dialogs.h"
#include "library/completed.h"
#include "library/congratulations_dialog.h"
#include "library/puzzle_chooser.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "model/solved_cells.h"
#include "platform/clock.h"
#include "platform/font_library.h"
#include "platform/registry_failure.h"
#include "platform/registry_store.h"
#include "platform/settings_keys.h"
#include "platform/waiter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int ToolBarPanelTop = 2;
constexpr int ToolBarPanelHeight = 26;
constexpr int SpeedButtonWidth = 23;
constexpr int SpeedButtonHeight = 22;
constexpr int PromptPixelSize = 16; // 12 points at 96 dots per inch

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The tool bar and the status bar keep the system's face colour, whatever the board's scheme.
void UseFaceColour(QWidget* widget) {
    QPalette palette = QApplication::palette(widget);
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame* Bevel(QWidget* parent, const char* name) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return bevel;
}

} // namespace

Tfmainform::Tfmainform(MainformServices services, QWidget* parent)
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

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    HorizontalScroll = new QScrollBar(Qt::Horizontal, Client);
    HorizontalScroll->setObjectName(QStringLiteral("HorizontalScroll"));
    VerticalScroll = new QScrollBar(Qt::Vertical, Client);
    VerticalScroll->setObjectName(QStringLiteral("VerticalScroll"));
    for (QScrollBar* bar : {HorizontalScroll, VerticalScroll}) {
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, Client, qOverload<>(&QWidget::update));
    }
    LayOutClient(DesignedClientWidth, DesignedClientHeight);

    // The board's colours come first: everything drawn afterwards uses them.
    const LoadedColours loaded = LoadBoardColours(Services.Registry);
    Colours = loaded.BoardColours;
    SchemeName = loaded.ActiveSchemeName;
    UseWindowBackground();

    Folders = ResolveProgramFolders(Services.Registry, Services.ProgramFolder);
    for (const auto& folder : {Folders.PuzzleFolder, Folders.SavedGamesFolder})
        if (!EnsureFolder(folder))
            Services.Messages.Error(QString::fromUtf8(FolderCreationMessage));

    for (const ClueFont& font : ClueFonts)
        Services.Fonts.AddFontFile(Folders.ProgramFolder / font.FileName);

    Hand1 = QCursor(QPixmap(QStringLiteral(":/cursors/HAND1")), 8, 2);
    Hand2 = QCursor(QPixmap(QStringLiteral(":/cursors/HAND2")), 8, 2);
    Client->setCursor(Hand1);

    UpdateCommandStates();
}

QAction* Tfmainform::AddAction(QMenu* menu, const char* name, const QString& caption,
                               const QKeySequence& shortcut) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void Tfmainform::CreateMenus() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    StartanewGame1 =
        AddAction(game, "StartanewGame1", QStringLiteral("Start a new Game"), Qt::Key_F2);
    game->addSeparator();
    OpenSavedGame1 = AddAction(game, "OpenSavedGame1", QStringLiteral("&Open Saved Game"),
                               QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveGame1 = AddAction(game, "SaveGame1", QStringLiteral("Save Game"),
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveGameas1 = AddAction(game, "SaveGameas1", QStringLiteral("Save Game as"));
    game->addSeparator();
    SolvedPuzzles1 = AddAction(game, "SolvedPuzzles1", QStringLiteral("Solved Puzzles"));
    game->addSeparator();
    Exit1 = AddAction(game, "Exit1", QStringLiteral("&Exit"));

    QMenu* play = menuBar()->addMenu(QStringLiteral("&Play"));
    Undo1 = AddAction(play, "Undo1", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = AddAction(play, "Redo1", QStringLiteral("Redo"));
    play->addSeparator();
    Start1 = AddAction(play, "Start1", QStringLiteral("Start"), Qt::Key_F5);
    Stop1 = AddAction(play, "Stop1", QStringLiteral("&Pause"), Qt::Key_F12);
    play->addSeparator();
    ResetBoard1 = AddAction(play, "ResetBoard1", QStringLiteral("Reset Puzzle"),
                            QKeySequence(Qt::CTRL | Qt::Key_Delete));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    PuzzleEditor1 = AddAction(options, "PuzzleEditor1", QStringLiteral("Puzzle Editor"));
    FileInformation1 = AddAction(options, "FileInformation1", QStringLiteral("File Information"));
    options->addSeparator();
    Preferences1 = AddAction(options, "Preferences1", QStringLiteral("Preferences"));
    QMenu* size = options->addMenu(QStringLiteral("Size"));
    Small1 = AddAction(size, "Small1", QStringLiteral("Small"));
    Medium1 = AddAction(size, "Medium1", QStringLiteral("&Large"));
    auto* sizes = new QActionGroup(this);
    for (QAction* item : {Small1, Medium1}) {
        item->setCheckable(true);
        sizes->addAction(item);
    }
    Small1->setChecked(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
    Contents1 = AddAction(help, "Contents1", QStringLiteral("&Contents"), Qt::Key_F1);
    help->addSeparator();
    About1 = AddAction(help, "About1", QStringLiteral("About"));

    connect(Exit1, &QAction::triggered, this, &Tfmainform::Exit1Click);
    connect(Start1, &QAction::triggered, this, &Tfmainform::StartGame);
    connect(Stop1, &QAction::triggered, this, &Tfmainform::PauseGame);
    connect(ResetBoard1, &QAction::triggered, this, &Tfmainform::ResetBoard1Click);
    connect(Undo1, &QAction::triggered, this, &Tfmainform::UndoAction);
    connect(SaveGame1, &QAction::triggered, this, &Tfmainform::SaveGame);
    connect(SaveGameas1, &QAction::triggered, this, &Tfmainform::SaveGameAs);
    connect(OpenSavedGame1, &QAction::triggered, this, [this] { LoadSavedGame({}); });
    connect(FileInformation1, &QAction::triggered, this, &Tfmainform::FileInformation1Click);
    connect(StartanewGame1, &QAction::triggered, this, &Tfmainform::StartanewGame1Click);
    connect(SolvedPuzzles1, &QAction::triggered, this, [this] {
        if (Dialogs.Completed != nullptr)
            Dialogs.Completed->ShowList();
    });
    connect(Redo1, &QAction::triggered, this, &Tfmainform::RedoAction);
    connect(Small1, &QAction::triggered, this, [this] { UseBoardSize(BoardSize::Small); });
    connect(Medium1, &QAction::triggered, this, [this] { UseBoardSize(BoardSize::Large); });
}

QToolButton* Tfmainform::AddSpeedButton(QWidget* panel, const char* name, const QString& hint,
                                        QStyle::StandardPixmap icon, int x) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setIcon(style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setGeometry(x, 2, SpeedButtonWidth, SpeedButtonHeight);
    return button;
}

void Tfmainform::CreateToolBar() {
    Bevel1 = Bevel(Client, "Bevel1");
    auto* panel = new QWidget(Client);
    Panel1 = panel;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setCursor(Qt::ArrowCursor);
    UseFaceColour(panel);
    Bevel2 = Bevel(Client, "Bevel2");

    // Three groups: files, play, help.
    SpeedButton1 = AddSpeedButton(panel, "SpeedButton1", QStringLiteral("Start a new game"),
                                  QStyle::SP_FileIcon, 4);
    SpeedButton2 = AddSpeedButton(panel, "SpeedButton2", QStringLiteral("Open Saved Game"),
                                  QStyle::SP_DialogOpenButton, 27);
    SpeedButton3 =
        AddSpeedButton(panel, "SpeedButton3", QStringLiteral("Save current game to a file"),
                       QStyle::SP_DialogSaveButton, 50);
    SpeedButton4 = AddSpeedButton(panel, "SpeedButton4", QStringLiteral("Start/Resume game"),
                                  QStyle::SP_MediaPlay, 81);
    SpeedButton5 = AddSpeedButton(panel, "SpeedButton5", QStringLiteral("Pause game"),
                                  QStyle::SP_MediaPause, 104);
    SpeedButton7 = AddSpeedButton(panel, "SpeedButton7", QStringLiteral("Undo Last Action"),
                                  QStyle::SP_ArrowBack, 127);
    SpeedButton8 =
        AddSpeedButton(panel, "SpeedButton8", QStringLiteral("Redo"), QStyle::SP_ArrowForward, 150);
    SpeedButton6 = AddSpeedButton(panel, "SpeedButton6", QStringLiteral("Quorvane Help"),
                                  QStyle::SP_DialogHelpButton, 181);

    // The menu items show the pictures of their tool buttons.
    StartanewGame1->setIcon(SpeedButton1->icon());
    OpenSavedGame1->setIcon(SpeedButton2->icon());
    SaveGame1->setIcon(SpeedButton3->icon());
    Start1->setIcon(SpeedButton4->icon());
    Stop1->setIcon(SpeedButton5->icon());
    Undo1->setIcon(SpeedButton7->icon());
    Redo1->setIcon(SpeedButton8->icon());
    Contents1->setIcon(SpeedButton6->icon());

    connect(SpeedButton4, &QToolButton::clicked, this, &Tfmainform::StartGame);
    connect(SpeedButton5, &QToolButton::clicked, this, &Tfmainform::PauseGame);
    connect(SpeedButton7, &QToolButton::clicked, this, &Tfmainform::UndoAction);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tfmainform::StartanewGame1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { LoadSavedGame({}); });
    connect(SpeedButton3, &QToolButton::clicked, this, &Tfmainform::SaveGame);
    connect(SpeedButton8, &QToolButton::clicked, this, &Tfmainform::RedoAction);
}

void Tfmainform::CreateStatusBar() {
    auto* statusBar = new QStatusBar(Client);
    StatusBar1 = statusBar;
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    statusBar->setCursor(Qt::ArrowCursor);
    UseFaceColour(statusBar);
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

void Tfmainform::LayOutClient(int width, int height) {
    const QSize available = AvailableClientSize();
    const int barWidth = VerticalScroll->sizeHint().width();
    const int barHeight = HorizontalScroll->sizeHint().height();
    // A bar for one direction takes room from the other, which may then need a bar too.
    bool scrollsAcross = width > available.width();
    bool scrollsDown = height > available.height();
    scrollsDown = scrollsDown || (scrollsAcross && height + barHeight > available.height());
    scrollsAcross = scrollsAcross || (scrollsDown && width + barWidth > available.width());
    const int barRight = scrollsDown ? barWidth : 0;
    const int barBelow = scrollsAcross ? barHeight : 0;
    const int shownWidth = std::min(width + barRight, available.width());
    const int shownHeight = std::min(height + barBelow, available.height());

    Client->setFixedSize(shownWidth, shownHeight);
    Bevel1->setGeometry(0, 0, shownWidth, 2);
    Panel1->setGeometry(0, ToolBarPanelTop, shownWidth, ToolBarPanelHeight);
    Bevel2->setGeometry(0, ToolBarPanelTop + ToolBarPanelHeight, shownWidth, 2);
    StatusBar1->setGeometry(0, shownHeight - StatusBarHeight, shownWidth, StatusBarHeight);

    const int bandBottom = ToolBarPanelTop + ToolBarPanelHeight + 2;
    const int barsBottom = shownHeight - StatusBarHeight;
    HorizontalScroll->setGeometry(0, barsBottom - barBelow, shownWidth - barRight, barBelow);
    VerticalScroll->setGeometry(shownWidth - barRight, bandBottom, barRight,
                                barsBottom - barBelow - bandBottom);
    HorizontalScroll->setRange(0, width - (shownWidth - barRight));
    HorizontalScroll->setPageStep(shownWidth - barRight);
    VerticalScroll->setRange(0, height - (shownHeight - barBelow));
    VerticalScroll->setPageStep(barsBottom - barBelow - bandBottom);
    HorizontalScroll->setVisible(scrollsAcross);
    VerticalScroll->setVisible(scrollsDown);
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

QPoint Tfmainform::ScrollOffset() const {
    return {HorizontalScroll->isVisible() ? HorizontalScroll->value() : 0,
            VerticalScroll->isVisible() ? VerticalScroll->value() : 0};
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
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* press = static_cast<QMouseEvent*>(event);
        FormMouseDown(press->button(), press->position().toPoint().x(),
                      press->position().toPoint().y());
        return true;
    }
    case QEvent::MouseButtonRelease:
        FormMouseUp();
        return true;
    case QEvent::Wheel: {
        // The wheel scrolls down and up; a sideways wheel or Shift scrolls across.
        auto* wheel = static_cast<QWheelEvent*>(event);
        const bool across =
            wheel->angleDelta().x() != 0 || wheel->modifiers().testFlag(Qt::ShiftModifier);
        QScrollBar* bar = across ? HorizontalScroll : VerticalScroll;
        if (bar->isVisible())
            QCoreApplication::sendEvent(bar, wheel);
        return true;
    }
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
    // The file is read aside: a refused file leaves the loaded game as it was, only paused.
    PuzzleRecord record;
    const FileReadStatus status = ReadGamePuzzleFile(path, record);
    if (status != FileReadStatus::Ok) {
        Services.Messages.Error(Text(FileReadMessage(status, path.string())));
        if (status == FileReadStatus::Corrupted) {
            Show(Session_.Pause());
            RepaintWindow();
        }
        return;
    }
    Show(Session_.LoadPuzzle(record));
}

void Tfmainform::ShowLoadedGame() {
    setWindowTitle(Text(CaptionText(Session_.Phase(), Game().Puzzle)));
    LevelPanel->setText(Text(LevelText(Game().Puzzle)));
    if (Dialogs.FileInfo != nullptr)
        Dialogs.FileInfo->Fill(Game().Puzzle);
}

void Tfmainform::SaveGame() {
    if (!Session_.Loaded())
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(Game().SavedGamePath, error)) {
        Show(Session_.Pause());
        const std::filesystem::path chosen = Services.Files.SaveFileName(
            Folders.SavedGamesFolder, QStringLiteral("Quorvane Saved  Game|*.qvs"));
        Session_.UseSavedGamePath(chosen.string());
        if (chosen.empty())
            return;
    }
    // The file is replaced only once the whole game is written, so a failure keeps the old one.
    const std::string failure = WriteSavedGameFile(Game().SavedGamePath, Game());
    if (!failure.empty()) {
        Services.Messages.Error(Text(failure));
        return;
    }
    Session_.MarkSaved();
}

void Tfmainform::SaveGameAs() {
    const std::string remembered = Game().SavedGamePath;
    Session_.UseSavedGamePath({});
    SaveGame();
    if (Game().SavedGamePath.empty())
        Session_.UseSavedGamePath(remembered);
}

void Tfmainform::LoadSavedGame(const std::filesystem::path& path) {
    // Forgotten before anything else: a solved grid is congratulated again after a cancelled
    // open.
    Session_.ForgetCompletion();
    Show(Session_.Pause());
    std::filesystem::path chosen = path;
    std::error_code error;
    if (chosen.empty() || !std::filesystem::is_regular_file(chosen, error)) {
        chosen = Services.Files.OpenFileName(Folders.SavedGamesFolder,
                                             QStringLiteral("Quorvane Saved Games|*.qvs"));
        if (chosen.empty())
            return;
    }
    // Read aside and checked whole: a refused file leaves the game as it was.
    SavedGame saved;
    const FileReadStatus status = ReadSavedGameFile(chosen, saved);
    if (status != FileReadStatus::Ok) {
        Services.Messages.Error(Text(FileReadMessage(status, chosen.string())));
        RepaintWindow();
        return;
    }
    Show(Session_.LoadSavedGame(saved, chosen.string()));
}

void Tfmainform::SavePrompt() {
    if (Session_.Loaded() && !Game().GameSaved &&
        Services.Messages.AskYesNo(QStringLiteral("Do you want to save the current game?")))
        SaveGame();
}

void Tfmainform::FileInformation1Click() {
    if (Dialogs.FileInfo != nullptr)
        Dialogs.FileInfo->exec();
}

void Tfmainform::StartanewGame1Click() {
    if (Dialogs.NewGame == nullptr)
        return;
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
    (size == BoardSize::Small ? Small1 : Medium1)->setChecked(true);
}

void Tfmainform::FormMouseDown(Qt::MouseButton button, int x, int y) {
    Client->setCursor(Hand2);
    const QPoint offset = ScrollOffset();
    const std::optional<BoardTarget> target = Geometry().HitTest(x + offset.x(), y + offset.y());
    if (!target)
        return;
    const ButtonKind kind = button == Qt::LeftButton    ? ButtonKind::Left
                            : button == Qt::RightButton ? ButtonKind::Right
                                                        : ButtonKind::Other;
    Show(Session_.Press(*target, kind));
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
    if (change.GameReplaced)
        ShowLoadedGame();
    if (change.ClockChanged)
        ShowClock();
    if (change.BoardRebuilt)
        RebuildBoard();
    if (change.Box)
        RedrawBoardBox(*change.Box);
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
    if (Dialogs.Congratulations == nullptr)
        return;
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
    for (QAction* save : {SaveGame1, SaveGameas1})
        save->setEnabled(states.Save);
    SpeedButton3->setEnabled(states.Save);
    FileInformation1->setEnabled(states.FileInformation);
    SpeedButton4->setEnabled(states.StartButton);
    Start1->setEnabled(states.StartMenu);
    SpeedButton5->setEnabled(states.Pause);
    Stop1->setEnabled(states.Pause);
    ResetBoard1->setEnabled(states.Pause);
    Undo1->setEnabled(states.Undo);
    SpeedButton7->setEnabled(states.Undo);
    Redo1->setEnabled(states.Redo);
    SpeedButton8->setEnabled(states.Redo);
}

void Tfmainform::RepaintWindow() {
    Client->update();
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
    const BoardGeometry geometry = Geometry();
    Bitmap = DrawBoard({Game(), geometry, Colours, *ClueFace});
    LayOutClient(geometry.ClientWidth(), geometry.ClientHeight());
}

void Tfmainform::RedrawBoardBox(const BoardTarget& target) {
    const BoardGeometry geometry = Geometry();
    RedrawBox(Bitmap, {Game(), geometry, Colours, *ClueFace}, target);
    const PixelRect rect = geometry.RepaintRect(target);
    const QPoint offset = ScrollOffset();
    Client->update(rect.Left - offset.x(), rect.Top - offset.y(), rect.Width(), rect.Height());
}

void Tfmainform::FormPaint(QPainter& painter) {
    const std::string prompt = PromptText(Session_.Phase(), Game().ElapsedSeconds);
    if (prompt.empty()) {
        const QPoint offset = ScrollOffset();
        painter.drawImage(BoardLeft - offset.x(), BoardTop - offset.y(), Bitmap);
        return;
    }
    DrawMessagePanel(painter, Text(prompt));
}

void Tfmainform::DrawMessagePanel(QPainter& painter, const QString& text) {
    QFont font = this->font();
    font.setPixelSize(PromptPixelSize);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int sw = metrics.horizontalAdvance(text);
    const int sh = metrics.height();
    const int cw = Client->width();
    const int ch = Client->height();

    // Right and bottom are exclusive.
    const int left = (cw - (sw + 42)) / 2 - 20;
    const int right = (cw + sw + 42) / 2 + 20;
    const int top = (ch - sh) / 2 - 20;
    const int bottom = (ch + sh) / 2 + 20;
    painter.fillRect(left, top, right - left, bottom - top, palette().color(QPalette::Button));
    for (int edge = 0; edge < 2; ++edge) {
        painter.fillRect(left + edge, top + edge, right - left - 2 * edge, 1, Qt::white);
        painter.fillRect(left + edge, top + edge, 1, bottom - top - 2 * edge, Qt::white);
        painter.fillRect(left + edge, bottom - 1 - edge, right - left - 2 * edge, 1,
                         QColor(128, 128, 128));
        painter.fillRect(right - 1 - edge, top + edge, 1, bottom - top - 2 * edge,
                         QColor(128, 128, 128));
    }
    painter.setPen(Qt::black);
    painter.drawText((cw - sw) / 2 + 24, (ch - sh) / 2 + metrics.ascent(), text);
    painter.drawPixmap(left + 2 + 16, ch / 2 - 16, QPixmap(QStringLiteral(":/icons/quorvane")));
}
