#include "board/board_view.h"

#include "ui/controls.h"
#include "ui/dib_section.h"
#include "ui/display_dpi.h"

namespace {

ViewSize BarThicknessAt(int dpi) {
    return {SystemMetricForDpi(SM_CXVSCROLL, dpi), SystemMetricForDpi(SM_CYHSCROLL, dpi)};
}

ViewMargins Scaled(const ViewMargins& margins, const DisplayScale& scale) {
    return {scale.Length(margins.Left), scale.Length(margins.Top), scale.Length(margins.Right),
            scale.Length(margins.Bottom)};
}

// The step of an arrow press on a bar; a wheel notch scrolls three.
constexpr int LineStep = 16;

RECT RectOf(const PixelRect& rect) {
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

} // namespace

BoardView::BoardView(HWND parent, ViewMargins margins)
    : DesignedMargins(margins), Viewport(Scaled(margins, ScaleOf(parent)),
                                         BarThicknessAt(WindowDpi(parent))) {
    Viewport.SetZoom(ScaleOf(parent).BoardZoom());
    Create(L"QuorvaneBoardView", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0,
           parent);
    // Bars of the view's own rather than the window's: they stand exactly where the viewport puts
    // them, whatever the view's size was a moment before.
    AcrossBar = AddControl(Handle(), L"SCROLLBAR", L"", SBS_HORZ, 0, 0, 0, 0);
    DownBar = AddControl(Handle(), L"SCROLLBAR", L"", SBS_VERT, 0, 0, 0, 0);
    SetBackground(GetSysColor(COLOR_BTNFACE));
}

BoardView::~BoardView() {
    if (Background != nullptr)
        DeleteObject(Background);
}

void BoardView::ShowImage(const PixelImage& image, PixelRect changed) {
    Image = &image;
    if (Viewport.BoardSize() != ViewSize{image.Width, image.Height}) {
        Viewport.SetBoardSize({image.Width, image.Height});
        LayOutBars();
        InvalidateRect(Handle(), nullptr, FALSE);
        changed = {};
    }
    if (Hidden || changed.Empty())
        return;
    const RECT dirty = RectOf(Viewport.ViewRectOf(changed));
    // Drawn at once rather than at the next idle moment: a press shows before the next message.
    RedrawWindow(Handle(), &dirty, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void BoardView::SetBoardHidden(bool hidden) {
    Hidden = hidden;
    ShowWindow(Handle(), hidden ? SW_HIDE : SW_SHOW);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void BoardView::OnPress(PressHandler pressed, std::function<void()> released) {
    Pressed = std::move(pressed);
    Released = std::move(released);
}

void BoardView::SetBackground(COLORREF colour) {
    if (Background != nullptr)
        DeleteObject(Background);
    Background = CreateSolidBrush(colour);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void BoardView::SetLeastContentWidth(int width) {
    Viewport.SetLeastContentWidth(width);
    LayOutBars();
}

SIZE BoardView::SizeFor(SIZE available) const {
    const ViewSize size = Viewport.SizeFor({available.cx, available.cy});
    return {size.Width, size.Height};
}

void BoardView::SetScale(const DisplayScale& scale) {
    Viewport.SetMargins(Scaled(DesignedMargins, scale));
    Viewport.SetBarThickness(BarThicknessAt(scale.Dpi()));
    Viewport.SetZoom(scale.BoardZoom());
}

void BoardView::Place(int x, int y, SIZE size) {
    MoveWindow(Handle(), x, y, size.cx, size.cy, TRUE);
    Viewport.Place({size.cx, size.cy});
    LayOutBars();
}

void BoardView::ScrollHome() {
    if (Viewport.ScrollTo({0, 0}))
        LayOutBars();
}

void BoardView::Reveal(const PixelRect& board) {
    if (Viewport.Reveal(board))
        LayOutBars();
}

void BoardView::LayOutBars() {
    const ScrollBars bars = Viewport.Bars();
    const ViewSize shown = Viewport.Shown();
    const ViewSize view = Viewport.View();
    const ViewPoint offset = Viewport.Offset();
    const ViewSize content = Viewport.ContentSize();
    const auto setBar = [](HWND bar, bool on, int x, int y, int width, int height, int page,
                           int range, int position) {
        MoveWindow(bar, x, y, width, height, FALSE);
        if (on) {
            SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0, range - 1,
                            static_cast<UINT>(page), position, 0};
            SetScrollInfo(bar, SB_CTL, &info, TRUE);
        }
        ShowWindow(bar, on ? SW_SHOWNA : SW_HIDE);
    };
    setBar(AcrossBar, bars.Across, 0, shown.Height, shown.Width, view.Height - shown.Height,
           shown.Width, content.Width, offset.X);
    setBar(DownBar, bars.Down, shown.Width, 0, view.Width - shown.Width, shown.Height,
           shown.Height, content.Height, offset.Y);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void BoardView::Scroll(bool across, int request, int wheelSteps) {
    const HWND bar = across ? AcrossBar : DownBar;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    int position = across ? Viewport.Offset().X : Viewport.Offset().Y;
    switch (request) {
    case SB_LINEUP:
        position -= LineStep;
        break;
    case SB_LINEDOWN:
        position += LineStep;
        break;
    case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = across ? Viewport.MaxOffset().X : Viewport.MaxOffset().Y;
        break;
    case SB_ENDSCROLL:
        return;
    default:
        position -= wheelSteps * 3 * LineStep;
        break;
    }
    ViewPoint offset = Viewport.Offset();
    (across ? offset.X : offset.Y) = position;
    if (!Viewport.ScrollTo(offset))
        return;
    SetScrollPos(bar, SB_CTL, across ? Viewport.Offset().X : Viewport.Offset().Y, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void BoardView::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    const ViewSize shown = Viewport.Shown();
    const ViewSize view = Viewport.View();
    // The content's area; the corner between two bars is the parent's face colour.
    RECT area{0, 0, shown.Width, shown.Height};
    IntersectRect(&area, &area, &paint.rcPaint);
    if (!Hidden && Image != nullptr) {
        const ViewPoint origin = Viewport.BoardOrigin();
        const RECT drawn = BlitImage(dc, *Image, {origin.X, origin.Y}, area, Viewport.Zoom());
        ExcludeClipRect(dc, drawn.left, drawn.top, drawn.right, drawn.bottom);
    }
    FillRect(dc, &area, Background);
    const RECT corner{shown.Width, shown.Height, view.Width, view.Height};
    if (corner.right > corner.left && corner.bottom > corner.top)
        FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(Handle(), &paint);
}

void BoardView::Press(LPARAM where, ButtonKind button) {
    SetCapture(Handle());
    BoardPress press{std::nullopt, button};
    const auto board = Viewport.BoardPointAt(
        {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))});
    if (!Hidden && TargetAt && board)
        press.Target = TargetAt(board->X, board->Y);
    if (Pressed)
        Pressed(press);
}

LRESULT BoardView::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    case WM_HSCROLL:
        Scroll(true, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        Scroll(false, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const bool across = (LOWORD(wParam) & MK_SHIFT) != 0 || !Viewport.Bars().Down;
        Scroll(across, -1, GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(lParam, ButtonKind::Left);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        Press(lParam, ButtonKind::Right);
        return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        Press(lParam, ButtonKind::Other);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseCapture();
        if (Released)
            Released();
        return 0;
    case WM_SETCURSOR:
        // The parent's cursor (the hands) shows over the board too.
        return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    default:
        return Window::Message(message, wParam, lParam);
    }
}
