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
    Margins = margins;
    LayOutBars();
    viewport()->update();
}

void BoardView::SetLeastContentWidth(int width) {
    LeastContentWidth = width;
    LayOutBars();
}

QSize BoardView::ContentSize() const {
    return {std::max(Margins.left() + Wrap.width() + Margins.right(), LeastContentWidth),
            Margins.top() + Wrap.height() + Margins.bottom()};
}

BoardView::Bars BoardView::BarsFor(QSize available) const {
    const QSize wanted = ContentSize();
    const QSize room = BarRoom({true, true});
    // A bar for one direction takes room from the other, which may then need a bar too.
    bool across = wanted.width() > available.width();
    bool down = wanted.height() > available.height();
    down = down || (across && wanted.height() + room.height() > available.height());
    across = across || (down && wanted.width() + room.width() > available.width());
    return {across, down};
}

QSize BoardView::BarRoom(Bars bars) const {
    return {bars.Down ? verticalScrollBar()->sizeHint().width() : 0,
            bars.Across ? horizontalScrollBar()->sizeHint().height() : 0};
}

QSize BoardView::SizeFor(QSize available) const {
    return (ContentSize() + BarRoom(BarsFor(available))).boundedTo(available);
}

// The bars stand by the same rule as SizeFor. They are switched on and off here rather than left
// to the base class, which would show or hide them only once the event loop runs again, after the
// window has been sized and perhaps grabbed.
void BoardView::LayOutBars() {
    const QSize available = contentsRect().size();
    const QSize wanted = ContentSize();
    const Bars bars = Scrolls ? BarsFor(available) : Bars{false, false};
    const auto policy = [](bool on) { return on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    if (horizontalScrollBarPolicy() != policy(bars.Across) ||
        verticalScrollBarPolicy() != policy(bars.Down)) {
        setHorizontalScrollBarPolicy(policy(bars.Across));
        setVerticalScrollBarPolicy(policy(bars.Down));
        // Lays the bars and the viewport out at once, shown or not.
        setViewportMargins(viewportMargins());
    }
    const QSize shown = available - BarRoom(bars);
    horizontalScrollBar()->setRange(0,
                                    bars.Across ? std::max(0, wanted.width() - shown.width()) : 0);
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setRange(0, bars.Down ? std::max(0, wanted.height() - shown.height()) : 0);
    verticalScrollBar()->setPageStep(shown.height());
}

void BoardView::SetScrolls(bool scrolls) {
    Scrolls = scrolls;
    LayOutBars();
}

QPoint BoardView::ScrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QPoint BoardView::BoardOrigin() const {
    return QPoint(Margins.left(), Margins.top()) - ScrollOffset();
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
    const QPoint at = event.position().toPoint() - BoardOrigin();
    BoardPress press{std::nullopt, KindOf(event.button()), event.modifiers()};
    if (TargetAt && !Hidden && QRect(QPoint(0, 0), Wrap.size()).contains(at))
        press.Target = TargetAt(at.x(), at.y());
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
