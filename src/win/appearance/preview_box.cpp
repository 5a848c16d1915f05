#include "appearance/preview_box.h"

#include "ui/dib_section.h"
#include "ui/display_dpi.h"

PreviewBox::PreviewBox(HWND parent, int id, int x, int y, int width, int height) {
    Create(L"QuorvanePreviewBox", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_STATICEDGE,
           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    const DisplayScale scale = ScaleOf(parent);
    SetWindowPos(Handle(), nullptr, scale.Length(x) - 1, scale.Length(y) - 1, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PreviewBox::ShowImage(const PixelImage& image) {
    Image = &image;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void PreviewBox::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (Image != nullptr) {
        const RECT shown = BlitImage(dc, *Image, {0, 0}, client);
        ExcludeClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    }
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(Handle(), &paint);
}

LRESULT PreviewBox::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    default:
        return Window::Message(message, wParam, lParam);
    }
}
