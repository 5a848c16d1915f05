#include "board/board_view.h"

#include "ui/dib_section.h"

#include <algorithm>

namespace {

int BarWidth() {
    return GetSystemMetrics(SM_CXVSCROLL);
}

int BarHeight() {
    return GetSystemMetrics(SM_CYHSCROLL);
}

} // namespace

BoardView::BoardView(HWND parent, int margin, int topMargin)
    : Margin(margin), TopMargin(topMargin) {
    Create(L"QuorvaneBoardView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, parent);
    SetBackground(GetSysColor(COLOR_BTNFACE));
}

BoardView::~BoardView() {
    if (Background != nullptr)
        DeleteObject(Background);
}

void BoardView::ShowImage(const PixelImage& image, PixelRect changed) {
    Image = &image;
    if (image.Width != ShownWidth || image.Height != ShownHeight) {
        ShownWidth = image.Width;
        ShownHeight = image.Height;
        changed = {0, 0, image.Width, image.Height};
        LayOutBars();
    }
    if (Hidden || changed.Empty())
        return;
    const POINT origin = BoardOrigin();
    const RECT dirty{origin.x + changed.Left, origin.y + changed.Top, origin.x + changed.Right,
                     origin.y + changed.Bottom};
    // Drawn at once rather than at the next idle moment: a press shows before the next message.
    RedrawWindow(Handle(), &dirty, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void BoardView::SetBoardHidden(bool hidden) {
    Hidden = hidden;
    ShowWindow(Handle(), hidden ? SW_HIDE : SW_SHOW);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void BoardView::OnPress(PressHandler pressed, std::function<void()> released) {
    Pressed = std::move(pressed);
    Released = std::move(released);
}

void BoardView::SetBackground(COLORREF colour) {
    if (Background != nullptr)
        DeleteObject(Background);
    Background = CreateSolidBrush(colour);
    InvalidateRect(Handle(), nullptr, TRUE);
}

SIZE BoardView::ContentSize() const {
    if (Image == nullptr)
        return {LeastContentWidth, 0};
    return {std::max(ShownWidth + 2 * Margin, LeastContentWidth), TopMargin + ShownHeight + Margin};
}

SIZE BoardView::SizeFor(SIZE available) const {
    const SIZE content = ContentSize();
    bool across = content.cx > available.cx;
    bool down = content.cy > available.cy;
    // A bar across takes room from the height, which may then need a bar down, and so on once.
    down = down || (across && content.cy > available.cy - BarHeight());
    across = across || (down && content.cx > available.cx - BarWidth());
    return {std::min(content.cx + (down ? BarWidth() : 0), available.cx),
            std::min(content.cy + (across ? BarHeight() : 0), available.cy)};
}

void BoardView::Place(int x, int y, SIZE size) {
    MoveWindow(Handle(), x, y, size.cx, size.cy, TRUE);
    LayOutBars();
}

void BoardView::LayOutBars() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const SIZE content = ContentSize();
    const auto setBar = [&](int bar, int page, int range, LONG& offset) {
        offset = std::clamp<LONG>(offset, 0, std::max(0, range - page));
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, range - 1, static_cast<UINT>(page), offset, 0};
        if (range <= page) {
            info.nMax = 0;
            info.nPage = 0;
        }
        SetScrollInfo(Handle(), bar, &info, TRUE);
    };
    setBar(SB_HORZ, client.right, content.cx, Offset.x);
    setBar(SB_VERT, client.bottom, content.cy, Offset.y);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void BoardView::Scroll(int bar, int request, int wheelSteps) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int position = info.nPos;
    const int line = 16;
    switch (request) {
    case SB_LINEUP:
        position -= line;
        break;
    case SB_LINEDOWN:
        position += line;
        break;
    case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
        position = info.nTrackPos;
        break;
    default:
        position -= wheelSteps * 3 * line;
        break;
    }
    position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
    LONG& offset = bar == SB_HORZ ? Offset.x : Offset.y;
    if (position == offset)
        return;
    offset = position;
    SetScrollPos(Handle(), bar, position, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

POINT BoardView::BoardOrigin() const {
    return {Margin - Offset.x, TopMargin - Offset.y};
}

void BoardView::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    const POINT origin = BoardOrigin();
    if (!Hidden && Image != nullptr) {
        const RECT shown = BlitImage(dc, *Image, origin, paint.rcPaint);
        ExcludeClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    }
    FillRect(dc, &paint.rcPaint, Background);
    EndPaint(Handle(), &paint);
}

void BoardView::Press(LPARAM where, ButtonKind button) {
    SetCapture(Handle());
    BoardPress press{std::nullopt, button};
    const POINT origin = BoardOrigin();
    const int x = static_cast<short>(LOWORD(where)) - origin.x;
    const int y = static_cast<short>(HIWORD(where)) - origin.y;
    if (!Hidden && TargetAt && x >= 0 && y >= 0 && x < ShownWidth && y < ShownHeight)
        press.Target = TargetAt(x, y);
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
    case WM_SIZE:
        LayOutBars();
        return 0;
    case WM_HSCROLL:
        Scroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        Scroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Scroll((LOWORD(wParam) & MK_SHIFT) != 0 ? SB_HORZ : SB_VERT, -1,
               GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
        return 0;
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
