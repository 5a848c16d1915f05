#include "editor/feditor.h"

#include "appearance/qt_colour.h"
#include "board/board_renderer.h"
#include "editor/bitmap_picture.h"
#include "editor/editor_grid.h"
#include "editor/editor_puzzle.h"
#include "editor/picture_chooser.h"
#include "editor/puzzle_check_runner.h"
#include "editor/puzzleinfo.h"
#include "ui/dialog_look.h"
#include "ui/menu_banner_style.h"
#include "ui/file_dialogs.h"
#include "ui/message_dialogs.h"
#include "platform/clock.h"
#include "platform/guid_source.h"
#include "platform/user_name_source.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

constexpr QSize SpeedButtonSize(23, 23);
// Where the grid's top-left corner lies in the scrolled area: client point (10, 40).
constexpr QPoint GridOrigin(BoardLeft, BoardTop - ToolBandHeight);
// How thick the outline of a cell that differs between two solutions is.
constexpr int OutlineWidth = 2;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

ButtonKind KindOf(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? ButtonKind::Left
           : button == Qt::RightButton ? ButtonKind::Right
                                       : ButtonKind::Other;
}

} // namespace

Tffeditor::Tffeditor(EditorServices services, const EditorDialogMaker& makeDialogs,
                     QWidget* parent)
    : QDialog(parent), Services(std::move(services)), MarkFace(QStringLiteral("Arial"), 8, true) {
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
    ScrollBox = new QScrollArea(Client);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(true);
    GridArea = new QWidget;
    GridArea->setObjectName(QStringLiteral("GridArea"));
    GridArea->setAutoFillBackground(true);
    GridArea->installEventFilter(this);
    ScrollBox->setWidget(GridArea);

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
    const auto run = [this](void (Tffeditor::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    const auto help = [this] {
        if (Services.ShowHelp)
            Services.ShowHelp(ProgramFolder / "Help" / "Quorvane.chm");
    };
    const auto about = [this] {
        if (Services.ShowAbout)
            Services.ShowAbout();
    };
    const QKeySequence none;
    Commands = BuildCommandTable(
        bar, *Band.Panel1, SpeedButtonSize,
        {
            SubMenu("File1", QStringLiteral("&File"),
                    {
                        MenuItem("New1", QStringLiteral("&New"), none, run(&Tffeditor::NewPuzzle),
                                 ToolButtonEntry{"SpeedButton1", QStringLiteral("Start a new game"),
                                                 6, QStyle::SP_FileIcon}),
                        MenuItem("Open1", QStringLiteral("&Open"),
                                 QKeySequence(Qt::CTRL | Qt::Key_O), run(&Tffeditor::OpenPuzzle),
                                 ToolButtonEntry{"SpeedButton2", QStringLiteral("Open Saved Game"),
                                                 30, QStyle::SP_DialogOpenButton}),
                        MenuItem(
                            "Save1", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                            [this] { SavePuzzle(SaveMode::Save); },
                            ToolButtonEntry{"SpeedButton3",
                                            QStringLiteral("Save current game to a file"), 54,
                                            QStyle::SP_DialogSaveButton}),
                        MenuItem("Saveas1", QStringLiteral("&Save as"), none,
                                 [this] { SavePuzzle(SaveMode::SaveAs); }),
                        MenuSeparator(),
                        MenuItem("Exit1", QStringLiteral("&Exit"), none, [this] { accept(); }),
                    }),
            SubMenu("Puzzle1", QStringLiteral("&Puzzle"),
                    {
                        MenuItem("ClearPuzzle1", QStringLiteral("&Clear Puzzle"),
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete),
                                 run(&Tffeditor::ClearPuzzle1Click)),
                        MenuSeparator(),
                        MenuItem("ImportFromBitmap1", QStringLiteral("Import From Bitmap"), none,
                                 run(&Tffeditor::ImportBitmap)),
                        MenuItem("EditInformation1", QStringLiteral("&Edit Puzzle Information"),
                                 QKeySequence(Qt::CTRL | Qt::Key_I),
                                 run(&Tffeditor::EditInformation1Click)),
                        MenuItem("CheckPuzzle1", QStringLiteral("Check Puzzle"),
                                 QKeySequence(Qt::CTRL | Qt::Key_K),
                                 run(&Tffeditor::CheckPuzzle1Click)),
                    }),
            SubMenu("Help1", QStringLiteral("&?"),
                    {
                        MenuItem("Contents1", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1),
                                 help,
                                 ToolButtonEntry{"SpeedButton6", QStringLiteral("Quorvane Help"),
                                                 84, QStyle::SP_DialogHelpButton}),
                        MenuSeparator(),
                        MenuItem("About1", QStringLiteral("&About"), none, about),
                    }),
        });
    UseMenuBanner(bar, QStringLiteral(" Puzzle Editor"));
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
    const std::filesystem::path chosen =
        Dialogs.Pictures->OpenPictureName(QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    if (chosen.empty())
        return;
    const BitmapPicture read = ReadBitmapPicture(chosen);
    if (!read.Picture) {
        Services.Messages.Error(read.Failure);
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

void Tffeditor::ToggleCell(Qt::MouseButton button, int x, int y) {
    const std::optional<BoardTarget> cell = Geometry().HitTest(x, y);
    if (cell)
        Show(Document.Press(cell->Col, cell->Row, KindOf(button)));
}

void Tffeditor::Show(const EditorChange& change) {
    if (!change.Failure.empty())
        Services.Messages.Error(Text(change.Failure));
    if (!change.Accepted)
        return;
    if (change.CaptionChanged)
        SetCaption();
    if (change.GridHidden) {
        UseWindowBackground();
        GridArea->setMinimumSize(0, 0);
        RepaintEditor();
    }
    if (change.OutlinesChanged)
        GridArea->update();
    if (change.GridRedrawn) {
        RedrawEditorGrid();
        RepaintEditor();
    }
    if (change.Cell) {
        const BoardGeometry geometry = Geometry();
        RedrawGridCell(EditorBitmap, {Document.Record().Solution, geometry, Colours, MarkFace},
                       change.Cell->Col, change.Cell->Row);
        const PixelRect rect =
            geometry.RepaintRect({BoardArea::GridCell, change.Cell->Col, change.Cell->Row});
        GridArea->update(rect.Left, rect.Top - ToolBandHeight, rect.Width(), rect.Height());
    }
    if (change.CommandsChanged)
        UpdateCommandStates();
}

void Tffeditor::RedrawEditorGrid() {
    UseWindowBackground();
    const BoardGeometry geometry = Geometry();
    EditorBitmap = DrawGrid({Document.Record().Solution, geometry, Colours, MarkFace});
    // The scrolled area holds the grid with the same margin on every side.
    GridArea->setMinimumSize(GridOrigin.x() * 2 + EditorBitmap.width(),
                             GridOrigin.y() * 2 + EditorBitmap.height());
}

void Tffeditor::RepaintEditor() {
    Client->update();
    GridArea->update();
}

void Tffeditor::UpdateCommandStates() {
    const bool shown = Document.GridShown();
    Commands.Action("Save1")->setEnabled(shown);
    Commands.Action("Saveas1")->setEnabled(shown);
    Commands.SetMenuEnabled("Puzzle1", shown);
}

void Tffeditor::SetCaption() {
    const std::filesystem::path& file = Document.FileName();
    setWindowTitle(file.empty() ? QStringLiteral("Puzzle Editor")
                                : QStringLiteral("Puzzle Editor - ") + PathText(file));
}

void Tffeditor::UseWindowBackground() {
    const QColor background = ToQColor(Colours[static_cast<int>(ColourRole::WindowBackground)]);
    for (QWidget* area : {Client, ScrollBox->viewport(), GridArea}) {
        QPalette palette = area->palette();
        palette.setColor(QPalette::Window, background);
        area->setPalette(palette);
    }
}

void Tffeditor::LayOutClient() {
    Band.LayOut(Client->width());
    ScrollBox->setGeometry(0, ToolBandHeight, Client->width(),
                           std::max(0, Client->height() - ToolBandHeight));
}

void Tffeditor::PaintGrid(QPainter& painter) {
    if (!Document.GridShown())
        return;
    painter.drawImage(GridOrigin, EditorBitmap);
    const std::vector<CellPos>& outlined = Document.Outlined();
    if (outlined.empty())
        return;
    const BoardGeometry geometry = Geometry();
    const QColor colour = ToQColor(Colours[static_cast<int>(ColourRole::ExcludedCell)]);
    for (const CellPos& cell : outlined) {
        if (cell.Col >= geometry.Columns() || cell.Row >= geometry.Rows())
            continue;
        // Inside the interior, so the rules stay as they are.
        const PixelRect inside = geometry.InteriorOf({BoardArea::GridCell, cell.Col, cell.Row});
        const QRect box =
            QRect(inside.Left, inside.Top, inside.Width(), inside.Height()).translated(GridOrigin);
        painter.fillRect(box.left(), box.top(), box.width(), OutlineWidth, colour);
        painter.fillRect(box.left(), box.bottom() - OutlineWidth + 1, box.width(), OutlineWidth,
                         colour);
        painter.fillRect(box.left(), box.top(), OutlineWidth, box.height(), colour);
        painter.fillRect(box.right() - OutlineWidth + 1, box.top(), OutlineWidth, box.height(),
                         colour);
    }
}

bool Tffeditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client && event->type() == QEvent::Resize) {
        LayOutClient();
        return false;
    }
    if (watched != GridArea)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(GridArea);
        PaintGrid(painter);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The scrolled area starts below the tool band; its own coordinates do not move when it
        // scrolls, so a press maps to the client point it would have unscrolled.
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint at = press->position().toPoint();
        ToggleCell(press->button(), at.x(), at.y() + ToolBandHeight);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
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
