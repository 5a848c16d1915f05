// What part of a board a window shows: the content (the board image with blank room around it),
// where scroll bars stand, how far the content is scrolled and which board pixel lies under a
// point of the view. The game board and the editor's grid follow this one rule in both programs,
// so what is drawn and what a press hits always agree.
#pragma once

#include "base/pixel_rect.h"

#include <optional>

struct ViewSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const ViewSize&) const = default;
};

struct ViewPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const ViewPoint&) const = default;
};

// Blank room around the board inside the scrolled content.
struct ViewMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

struct ScrollBars {
    bool Across = false; // along the bottom, scrolling sideways
    bool Down = false;   // along the right, scrolling up and down
    bool operator==(const ScrollBars&) const = default;
};

class BoardViewport {
public:
    // barThickness: the width of a bar down and the height of a bar across, as the system draws
    // them.
    BoardViewport(ViewMargins margins, ViewSize barThickness);

    void SetMargins(ViewMargins margins);
    void SetBarThickness(ViewSize thickness);
    // The board image's size, 0 × 0 for none; the offset stays where it was, as far as it can.
    void SetBoardSize(ViewSize size);
    ViewSize BoardSize() const { return Board; }
    // Each board pixel shows as a square of zoom × zoom view pixels (at least 1); margins, bars
    // and offsets stay in view pixels.
    void SetZoom(int zoom);
    int Zoom() const { return Zoom_; }
    // The content is never narrower than this; the extra room lies right of the board.
    void SetLeastContentWidth(int width);

    ViewSize ContentSize() const;
    // Bars stand only where the board itself does not fit: the blank room after it may be cut
    // off without one. A bar across takes room from the height, which may then need a bar down.
    ScrollBars BarsFor(ViewSize available) const;
    // The size to give the view where at most `available` fits: the whole content when it fits,
    // else capped to `available` with room for the bars it then needs.
    ViewSize SizeFor(ViewSize available) const;

    // The view's whole size, bars included: the bars follow from it and the offset is kept within
    // the new range.
    void Place(ViewSize view);
    ViewSize View() const { return View_; }
    ScrollBars Bars() const { return Bars_; }
    // The part of the view the content shows in: the view less its bars.
    ViewSize Shown() const;
    // How far the content can scroll: its far edge then meets the shown area's.
    ViewPoint MaxOffset() const;
    ViewPoint Offset() const { return Offset_; }
    // Clamped to the range; true when the content moved.
    bool ScrollTo(ViewPoint offset);
    // Scrolls as little as brings the board rectangle (in board pixels) into sight, its top-left corner first where
    // it is larger than the shown area; true when the content moved.
    bool Reveal(const PixelRect& board);

    // Where the board image's top-left pixel lies in the view.
    ViewPoint BoardOrigin() const;
    // A board rectangle in view coordinates: every pixel of it at the zoom.
    PixelRect ViewRectOf(const PixelRect& board) const;
    // The board pixel under a point of the view, where the point shows the board: the one whose
    // zoomed square holds the point.
    std::optional<ViewPoint> BoardPointAt(ViewPoint point) const;

private:
    // The board as the view shows it, zoomed.
    ViewSize ShownBoard() const;

    ViewMargins Margins;
    ViewSize BarThickness;
    ViewSize Board;
    int Zoom_ = 1;
    int LeastContentWidth = 0;
    ViewSize View_;
    ScrollBars Bars_;
    ViewPoint Offset_;
};
