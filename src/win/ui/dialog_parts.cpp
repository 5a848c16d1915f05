#include "ui/dialog_parts.h"

#include "ui/controls.h"
#include "ui/display_dpi.h"

#include <algorithm>
#include <commctrl.h>

namespace {

SIZE TextSize(HWND control, const std::wstring& text) {
    const HDC context = GetDC(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(context, font);
    SIZE size{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(context, previous);
    ReleaseDC(control, context);
    return size;
}

} // namespace

HWND AddLabel(HWND parent, const std::wstring& text, int x, int y, int id, HFONT font) {
    const HWND label = AddControl(parent, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, x, y, 0, 0, id);
    if (font != nullptr)
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetLabelText(label, text);
    return label;
}

void SetLabelText(HWND label, const std::wstring& text) {
    SetWindowTextW(label, text.c_str());
    RECT client{};
    GetClientRect(GetParent(label), &client);
    POINT at{};
    MapWindowPoints(label, GetParent(label), &at, 1);
    const SIZE size = TextSize(label, text);
    const int width = std::clamp(static_cast<int>(size.cx), 0,
                                 std::max(0, static_cast<int>(client.right - at.x)));
    SetWindowPos(label, nullptr, 0, 0, width, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

HWND AddBevelLine(HWND parent, int x, int y, int width) {
    return AddControl(parent, WC_STATICW, L"", SS_ETCHEDHORZ, x, y, width, 2);
}

HWND AddProgramIcon(HWND parent, int x, int y, int width, int height) {
    const HWND image =
        AddControl(parent, WC_STATICW, L"", SS_ICON | SS_CENTERIMAGE, x, y, width, height);
    // A static control of this style takes the size of its icon; the area stays as designed.
    SendMessageW(image, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")), 0);
    const DisplayScale scale = ScaleOf(parent);
    SetWindowPos(image, nullptr, scale.Length(x), scale.Length(y), scale.Length(width),
                 scale.Length(height), SWP_NOZORDER | SWP_NOACTIVATE);
    return image;
}
