#include "board/board_viewport.h"

#include <algorithm>

BoardViewport::BoardViewport(ViewMargins margins, ViewSize barThickness)
    : Margins(margins), BarThickness(barThickness) {}

void BoardViewport::SetMargins(ViewMargins margins) {
    Margins = margins;
    Place(View_);
}

void BoardViewport::SetBarThickness(ViewSize thickness) {
    BarThickness = thickness;
    Place(View_);
}

void BoardViewport::SetBoardSize(ViewSize size) {
    Board = size;
    Place(View_);
}

void BoardViewport::SetZoom(int zoom) {
    Zoom_ = std::max(1, zoom);
    Place(View_);
}

ViewSize BoardViewport::ShownBoard() const {
    return {Board.Width * Zoom_, Board.Height * Zoom_};
}

void BoardViewport::SetLeastContentWidth(int width) {
    LeastContentWidth = width;
    Place(View_);
}

ViewSize BoardViewport::ContentSize() const {
    if (Board.Width <= 0 || Board.Height <= 0)
        return {std::max(LeastContentWidth, 0), 0};
    const ViewSize board = ShownBoard();
    return {std::max(Margins.Left + board.Width + Margins.Right, LeastContentWidth),
            Margins.Top + board.Height + Margins.Bottom};
}

ScrollBars BoardViewport::BarsFor(ViewSize available) const {
    if (Board.Width <= 0 || Board.Height <= 0)
        return {};
    const int needsWidth = Margins.Left + Board.Width * Zoom_;
    const int needsHeight = Margins.Top + Board.Height * Zoom_;
    bool across = needsWidth > available.Width;
    bool down = needsHeight > available.Height;
    down = down || (across && needsHeight > available.Height - BarThickness.Height);
    across = across || (down && needsWidth > available.Width - BarThickness.Width);
    return {across, down};
}

ViewSize BoardViewport::SizeFor(ViewSize available) const {
    const ViewSize content = ContentSize();
    const ScrollBars bars = BarsFor(available);
    return {std::min(content.Width + (bars.Down ? BarThickness.Width : 0), available.Width),
            std::min(content.Height + (bars.Across ? BarThickness.Height : 0), available.Height)};
}

void BoardViewport::Place(ViewSize view) {
    View_ = view;
    Bars_ = BarsFor(view);
    ScrollTo(Offset_);
}

ViewSize BoardViewport::Shown() const {
    return {std::max(0, View_.Width - (Bars_.Down ? BarThickness.Width : 0)),
            std::max(0, View_.Height - (Bars_.Across ? BarThickness.Height : 0))};
}

ViewPoint BoardViewport::MaxOffset() const {
    const ViewSize content = ContentSize();
    const ViewSize shown = Shown();
    return {Bars_.Across ? std::max(0, content.Width - shown.Width) : 0,
            Bars_.Down ? std::max(0, content.Height - shown.Height) : 0};
}

bool BoardViewport::ScrollTo(ViewPoint offset) {
    const ViewPoint most = MaxOffset();
    const ViewPoint clamped{std::clamp(offset.X, 0, most.X), std::clamp(offset.Y, 0, most.Y)};
    const bool moved = clamped != Offset_;
    Offset_ = clamped;
    return moved;
}

namespace {

// The offset along one direction that brings [start, end) of the content into a window of
// `shown` pixels at `offset`, moving as little as possible.
int RevealAlong(int start, int end, int shown, int offset) {
    if (end - start > shown || start < offset)
        return start;
    if (end > offset + shown)
        return end - shown;
    return offset;
}

} // namespace

bool BoardViewport::Reveal(const PixelRect& board) {
    if (board.Empty())
        return false;
    const ViewSize shown = Shown();
    const int z = Zoom_;
    return ScrollTo({RevealAlong(Margins.Left + board.Left * z, Margins.Left + board.Right * z,
                                 shown.Width, Offset_.X),
                     RevealAlong(Margins.Top + board.Top * z, Margins.Top + board.Bottom * z,
                                 shown.Height, Offset_.Y)});
}

ViewPoint BoardViewport::BoardOrigin() const {
    return {Margins.Left - Offset_.X, Margins.Top - Offset_.Y};
}

PixelRect BoardViewport::ViewRectOf(const PixelRect& board) const {
    const ViewPoint origin = BoardOrigin();
    const int z = Zoom_;
    return {origin.X + board.Left * z, origin.Y + board.Top * z, origin.X + board.Right * z,
            origin.Y + board.Bottom * z};
}

std::optional<ViewPoint> BoardViewport::BoardPointAt(ViewPoint point) const {
    const ViewSize shown = Shown();
    if (point.X < 0 || point.Y < 0 || point.X >= shown.Width || point.Y >= shown.Height)
        return std::nullopt;
    const ViewPoint origin = BoardOrigin();
    const ViewPoint zoomed{point.X - origin.X, point.Y - origin.Y};
    const ViewSize board = ShownBoard();
    if (zoomed.X < 0 || zoomed.Y < 0 || zoomed.X >= board.Width || zoomed.Y >= board.Height)
        return std::nullopt;
    return ViewPoint{zoomed.X / Zoom_, zoomed.Y / Zoom_};
}
