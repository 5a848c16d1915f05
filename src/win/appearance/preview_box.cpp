#include "appearance/preview_box.h"

#include "ui/dib_section.h"

#include <algorithm>

PreviewBox::PreviewBox(HWND parent, int id, int x, int y, int width, int height) {
    Create(L"QuorvanePreviewBox", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_STATICEDGE,
           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    SetWindowPos(Handle(), nullptr, x - 1, y - 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        const int width = std::min<int>(client.right, Image->Width);
        const int height = std::min<int>(client.bottom, Image->Height);
        const BITMAPINFO layout = TopDownLayout(Image->Width, Image->Height);
        // The source rectangle counts rows from the foot of the picture, top-down layout or not,
        // so the picture's top rows start height rows above its foot.
        StretchDIBits(dc, 0, 0, width, height, 0, Image->Height - height, width, height,
                      Image->Pixels.data(), &layout, DIB_RGB_COLORS, SRCCOPY);
        ExcludeClipRect(dc, 0, 0, width, height);
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
