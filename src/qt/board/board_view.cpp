#include "board/board_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

ButtonKind KindOf(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? ButtonKind::Left
           : button == Qt::RightButton ? ButtonKind::Right
                                       : ButtonKind::Other;
}

void NameBar(QScrollBar& bar, const char* name) {
    bar.setObjectName(QString::fromLatin1(name));
    bar.setCursor(Qt::ArrowCursor);
}

} // namespace

BoardView::BoardView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // The board is played with the mouse; a press leaves the keyboard focus where it was.
    setFocusPolicy(Qt::NoFocus);
    // The owner's painting underneath shows around the board and in place of a missing one.
    viewport()->setAutoFillBackground(false);
    NameBar(*horizontalScrollBar(), "HorizontalScroll");
    NameBar(*verticalScrollBar(), "VerticalScroll");
    Viewport.SetBarThickness(
        {verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height()});
}

void BoardView::ShowImage(const PixelImage* image, PixelRect changed) {
    const QSize oldSize = Wrap.size();
    Image = image;
    if (image == nullptr || image->Width <= 0 || image->Height <= 0) {
        Wrap = QImage();
    } else if (Wrap.constBits() != reinterpret_cast<const uchar*>(image->Pixels.data()) ||
               Wrap.size() != QSize(image->Width, image->Height)) {
        // The const constructor keeps the pixels where they are and never writes to them.
        Wrap = QImage(reinterpret_cast<const uchar*>(image->Pixels.data()), image->Width,
                      image->Height, image->Width * static_cast<int>(sizeof(Pixel)),
                      QImage::Format_RGB32);
    }
    if (Wrap.size() != oldSize) {
        LayOutBars();
        viewport()->update();
        return;
    }
    const QPoint origin = BoardOrigin();
    viewport()->update(changed.Left + origin.x(), changed.Top + origin.y(), changed.Width(),
                       changed.Height());
}

void BoardView::SetBoardHidden(bool hidden) {
    if (hidden == Hidden)
        return;
    Hidden = hidden;
    viewport()->update();
}

void BoardView::SetHitTest(HitTest hitTest) {
    TargetAt = std::move(hitTest);
}

void BoardView::SetMargins(QMargins margins) {
    Viewport.SetMargins({margins.left(), margins.top(), margins.right(), margins.bottom()});
    LayOutBars();
    viewport()->update();
}

void BoardView::SetLeastContentWidth(int width) {
    Viewport.SetLeastContentWidth(width);
    LayOutBars();
}

QSize BoardView::SizeFor(QSize available) const {
    const ViewSize size = Viewport.SizeFor({available.width(), available.height()});
    return {size.Width, size.Height};
}

// The bars stand by the viewport's rule. They are switched on and off here rather than left to the
// base class, which would show or hide them only once the event loop runs again, after the window
// has been sized and perhaps grabbed.
void BoardView::LayOutBars() {
    // Showing or hiding a bar resizes the view, which lays the bars out again from within: that
    // inner layout is left to the loop here, so that the last size seen decides.
    if (LayingOut) {
        LayOutAgain = true;
        return;
    }
    LayingOut = true;
    do {
        LayOutAgain = false;
        LayOutBarsOnce();
    } while (LayOutAgain);
    LayingOut = false;
}

void BoardView::LayOutBarsOnce() {
    Viewport.SetBoardSize({Wrap.width(), Wrap.height()});
    const QSize available = contentsRect().size();
    Viewport.Place(Scrolls ? ViewSize{available.width(), available.height()}
                           : ViewSize{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX});
    const ScrollBars bars = Viewport.Bars();
    const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    if (horizontalScrollBarPolicy() != policy(bars.Across) ||
        verticalScrollBarPolicy() != policy(bars.Down)) {
        setHorizontalScrollBarPolicy(policy(bars.Across));
        setVerticalScrollBarPolicy(policy(bars.Down));
        // Lays the bars and the viewport out at once, shown or not.
        setViewportMargins(viewportMargins());
    }
    const ViewPoint most = Viewport.MaxOffset();
    const ViewPoint offset = Viewport.Offset();
    const ViewSize shown = Viewport.Shown();
    horizontalScrollBar()->setRange(0, most.X);
    horizontalScrollBar()->setPageStep(shown.Width);
    verticalScrollBar()->setRange(0, most.Y);
    verticalScrollBar()->setPageStep(shown.Height);
    ScrollBarsTo(offset);
    // A range set can show a bar again on its own; laid out afresh, the policies hold.
    if (horizontalScrollBar()->isVisibleTo(this) != bars.Across ||
        verticalScrollBar()->isVisibleTo(this) != bars.Down)
        setViewportMargins(viewportMargins());
}

void BoardView::SetScrolls(bool scrolls) {
    Scrolls = scrolls;
    LayOutBars();
}

QPoint BoardView::ScrollOffset() const {
    return {Viewport.Offset().X, Viewport.Offset().Y};
}

void BoardView::ScrollHome() {
    ScrollBarsTo({0, 0});
}

void BoardView::Reveal(const PixelRect& board) {
    if (Viewport.Reveal(board))
        ScrollBarsTo(Viewport.Offset());
}

void BoardView::ScrollBarsTo(ViewPoint offset) {
    horizontalScrollBar()->setValue(offset.X);
    verticalScrollBar()->setValue(offset.Y);
    Viewport.ScrollTo({horizontalScrollBar()->value(), verticalScrollBar()->value()});
    viewport()->update();
}

void BoardView::scrollContentsBy(int, int) {
    Viewport.ScrollTo({horizontalScrollBar()->value(), verticalScrollBar()->value()});
    viewport()->update();
}

QPoint BoardView::BoardOrigin() const {
    return {Viewport.BoardOrigin().X, Viewport.BoardOrigin().Y};
}

void BoardView::paintEvent(QPaintEvent* event) {
    if (Wrap.isNull() || Hidden)
        return;
    const QRect board = QRect(BoardOrigin(), Wrap.size()) & event->rect();
    if (board.isEmpty())
        return;
    QPainter painter(viewport());
    painter.drawImage(board, Wrap, board.translated(-BoardOrigin()));
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    LayOutBars();
}

void BoardView::Press(const QMouseEvent& event) {
    const QPoint at = event.position().toPoint();
    BoardPress press{std::nullopt, KindOf(event.button()), event.modifiers()};
    const auto board = Viewport.BoardPointAt({at.x(), at.y()});
    if (TargetAt && !Hidden && board)
        press.Target = TargetAt(board->X, board->Y);
    emit Pressed(press);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    Press(*event);
    event->accept();
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    Press(*event);
    event->accept();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    emit Released();
    event->accept();
}

// The wheel scrolls down and up; a sideways wheel or Shift scrolls across.
void BoardView::wheelEvent(QWheelEvent* event) {
    const bool across =
        event->angleDelta().x() != 0 || event->modifiers().testFlag(Qt::ShiftModifier);
    QScrollBar* bar = across ? horizontalScrollBar() : verticalScrollBar();
    if (bar->maximum() > bar->minimum())
        QCoreApplication::sendEvent(bar, event);
    event->accept();
}
