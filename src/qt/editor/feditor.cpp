#include "editor/feditor.h"

#include "appearance/qt_colour.h"
#include "board/board_view.h"
#include "editor/bitmap_picture.h"
#include "editor/editor_grid.h"
#include "editor/editor_puzzle.h"
#include "editor/picture_chooser.h"
#include "editor/puzzle_check_runner.h"
#include "editor/puzzleinfo.h"
#include "platform/clock.h"
#include "platform/guid_source.h"
#include "platform/toolkit_raster_font.h"
#include "platform/user_name_source.h"
#include "ui/board_margins.h"
#include "ui/dialog_look.h"
#include "ui/file_dialogs.h"
#include "ui/menu_banner_style.h"
#include "ui/message_dialogs.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

constexpr QSize SpeedButtonSize(23, 23);

QStyle::StandardPixmap IconOf(EditorCommand command) {
    switch (command) {
    case EditorCommand::New1:
        return QStyle::SP_FileIcon;
    case EditorCommand::Open1:
        return QStyle::SP_DialogOpenButton;
    case EditorCommand::Save1:
        return QStyle::SP_DialogSaveButton;
    default:
        return QStyle::SP_DialogHelpButton;
    }
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

Tffeditor::Tffeditor(EditorServices services, const EditorDialogMaker& makeDialogs, QWidget* parent)
    : QDialog(parent), Services(std::move(services)) {
    setWindowTitle(QStringLiteral("Puzzle Editor"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    setFont(DesignedFont());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    column->setMenuBar(bar);

    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("ClientArea"));
    Client->setAutoFillBackground(true);
    Client->installEventFilter(this);
    column->addWidget(Client);
    Band = CreateToolBand(*Client);

    // A grid larger than the window scrolls; while it fits it lies at client point (10, 40).
    Board = new BoardView(Client);
    Board->setObjectName(QStringLiteral("Board"));
    Board->SetMargins(BoardMargins());
    Board->SetHitTest([this](int x, int y) { return Geometry().HitTest(x, y); });
    connect(Board, &BoardView::Pressed, this, &Tffeditor::PressGrid);

    CreateCommands(*bar);
    Checker = new PuzzleCheckRunner(this);
    connect(Checker, &PuzzleCheckRunner::Finished, this, &Tffeditor::ShowCheckResult);

    resize(DesignedWidth, DesignedHeight);
    CentreOnEveryShowing(*this);
    UseWindowBackground();
    UpdateCommandStates();

    Dialogs = makeDialogs(*this);
    if (Dialogs.PuzzleInfo == nullptr || Dialogs.Pictures == nullptr)
        throw std::invalid_argument("The puzzle editor is given both its dialogs");
}

Tffeditor::~Tffeditor() = default;

void Tffeditor::CreateCommands(QMenuBar& bar) {
    TableCommands<EditorCommand> table{[this](EditorCommand command) { return Handler(command); },
                                       IconOf,
                                       EditorToolButtons(),
                                       {}};
    Commands = BuildCommandTable(bar, *Band.Panel1, SpeedButtonSize, table.Menus(EditorMenus()));
    CommandNames = std::move(table.Names);
    UseMenuBanner(bar, QStringLiteral(" Puzzle Editor"));
}

std::function<void()> Tffeditor::Handler(EditorCommand command) {
    const auto run = [this](void (Tffeditor::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    switch (command) {
    case EditorCommand::New1:
        return run(&Tffeditor::NewPuzzle);
    case EditorCommand::Open1:
        return run(&Tffeditor::OpenPuzzle);
    case EditorCommand::Save1:
        return [this] { SavePuzzle(SaveMode::Save); };
    case EditorCommand::Saveas1:
        return [this] { SavePuzzle(SaveMode::SaveAs); };
    case EditorCommand::Exit1:
        return [this] { accept(); };
    case EditorCommand::ClearPuzzle1:
        return run(&Tffeditor::ClearPuzzle1Click);
    case EditorCommand::ImportFromBitmap1:
        return run(&Tffeditor::ImportBitmap);
    case EditorCommand::EditInformation1:
        return run(&Tffeditor::EditInformation1Click);
    case EditorCommand::CheckPuzzle1:
        return run(&Tffeditor::CheckPuzzle1Click);
    case EditorCommand::Contents1:
        return [this] {
            if (Services.ShowHelp)
                Services.ShowHelp(ProgramFolder / "Help" / "Quorvane.chm");
        };
    case EditorCommand::About1:
        return [this] {
            if (Services.ShowAbout)
                Services.ShowAbout();
        };
    }
    return {};
}

BoardGeometry Tffeditor::Geometry() const {
    return EditorGridGeometry(Document.Record(), Pitch);
}

void Tffeditor::Edit(const EditorSettings& settings) {
    FormShow(settings);
    // The new puzzle's dialog comes once the editor is up, over it.
    QMetaObject::invokeMethod(this, &Tffeditor::FormActivate, Qt::QueuedConnection);
    exec();
}

void Tffeditor::FormShow(const EditorSettings& settings) {
    Pitch = settings.Pitch;
    Colours = settings.Colours;
    PuzzleFolder = settings.PuzzleFolder;
    ProgramFolder = settings.ProgramFolder;
    UseWindowBackground();
    Show(Document.EditorShown());
    ActivationPending = true;
}

void Tffeditor::FormActivate() {
    if (!ActivationPending)
        return;
    ActivationPending = false;
    NewPuzzle();
}

void Tffeditor::NewPuzzle() {
    PuzzleRecord made = NewEditorPuzzle(
        {Services.Time.OleNow(), Services.Guids.NewGuid(), Services.UserName.LoginName()});
    // Cancel keeps the puzzle that was there, on screen and in the record.
    if (!Dialogs.PuzzleInfo->EditPuzzleInfo(made))
        return;
    Checker->Cancel();
    Show(Document.TakeNewPuzzle(made));
}

void Tffeditor::OpenPuzzle() {
    const std::filesystem::path chosen =
        Services.Files.OpenFileName(PuzzleFolder, QStringLiteral("*.qvf|*.qvf"));
    if (chosen.empty())
        return;
    const EditorChange change = Document.OpenFile(chosen);
    // A check of the puzzle that was there would report on a puzzle no longer shown.
    if (change.Accepted)
        Checker->Cancel();
    Show(change);
}

void Tffeditor::SavePuzzle(SaveMode mode) {
    std::optional<std::filesystem::path> target = Document.SaveTarget(mode);
    if (!target)
        return;
    if (target->empty()) {
        target = Services.Files.SaveFileName(PuzzleFolder, QStringLiteral("Quorvane Files|*.qvf"));
        if (target->empty())
            return;
    }
    Show(Document.SaveUnder(*target, Services.Guids.NewGuid()));
}

void Tffeditor::ClearPuzzle1Click() {
    Show(Document.Clear());
}

void Tffeditor::ImportBitmap() {
    const std::filesystem::path chosen = Dialogs.Pictures->OpenPictureName(
        QString::fromUtf8(BitmapFilter.data(), BitmapFilter.size()));
    if (chosen.empty())
        return;
    const BitmapPicture read = ReadBitmapPicture(chosen);
    if (!read.Picture) {
        Services.Messages.Error(QString::fromStdString(read.Failure));
        return;
    }
    Show(Document.ImportPicture(*read.Picture));
}

void Tffeditor::EditInformation1Click() {
    PuzzleRecord edited = Document.Record();
    if (!Dialogs.PuzzleInfo->EditPuzzleInfo(edited))
        return;
    Show(Document.TakeInformation(edited));
}

void Tffeditor::CheckPuzzle1Click() {
    if (Document.StartCheck().Accepted)
        Checker->Start(Document.Record());
}

void Tffeditor::ShowCheckResult(const PuzzleCheckResult& result) {
    Show(Document.TakeCheckResult(result));
    const QString text = Text(CheckVerdictText(result));
    if (result.Verdict == CheckVerdict::None || result.Verdict == CheckVerdict::Undecided)
        Services.Messages.Error(text);
    else
        Services.Messages.Inform(text);
}

void Tffeditor::PressGrid(const BoardPress& press) {
    if (press.Target)
        Show(Document.Press(press.Target->Col, press.Target->Row, press.Button));
}

void Tffeditor::Show(const EditorChange& change) {
    if (!change.Failure.empty())
        Services.Messages.Error(Text(change.Failure));
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
    if (!Document.GridShown()) {
        Board->ShowImage(nullptr, {});
        return;
    }
    const PuzzleRecord& record = Document.Record();
    const PixelRect changed =
        Renderer.Update(GridScene(record.Solution, record.Width, record.Height, Pitch, Colours,
                                  MarkFace(), Document.Outlined()),
                        Image);
    Board->ShowImage(&Image, changed);
}

const RasterFont& Tffeditor::MarkFace() {
    if (!MarkFace_)
        MarkFace_ = RasteriseFont(BoardTextFont(QStringLiteral("Arial"), 8, true));
    return *MarkFace_;
}

void Tffeditor::UpdateCommandStates() {
    const bool shown = Document.GridShown();
    Commands.SetMenuEnabled(EditorPuzzleMenu, shown);
    for (const auto& [name, command] : CommandNames)
        Commands.Action(name)->setEnabled(EditorCommandEnabled(command, shown));
}

void Tffeditor::SetCaption() {
    const std::filesystem::path& file = Document.FileName();
    setWindowTitle(file.empty() ? QStringLiteral("Puzzle Editor")
                                : QStringLiteral("Puzzle Editor - ") + PathText(file));
}

void Tffeditor::UseWindowBackground() {
    QPalette palette = Client->palette();
    palette.setColor(QPalette::Window,
                     ToQColor(Colours[static_cast<int>(ColourRole::WindowBackground)]));
    Client->setPalette(palette);
}

void Tffeditor::LayOutClient() {
    Band.LayOut(Client->width());
    Board->setGeometry(0, ToolBandHeight, Client->width(),
                       std::max(0, Client->height() - ToolBandHeight));
}

bool Tffeditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client && event->type() == QEvent::Resize)
        LayOutClient();
    return QDialog::eventFilter(watched, event);
}

void Tffeditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tffeditor::done(int result) {
    Checker->Cancel();
    QDialog::done(result);
}
