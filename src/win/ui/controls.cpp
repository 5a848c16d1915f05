#include "ui/controls.h"

#include "ui/display_dpi.h"

#include <map>

HFONT DesignedFont(int dpi) {
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[DisplayScale(dpi).Dpi()];
    if (font == nullptr)
        font = MakeFont(L"Arial", 8, false, dpi);
    return font;
}

HFONT MakeFont(const wchar_t* face, int points, bool bold, int dpi) {
    LOGFONTW look{};
    look.lfHeight = -DisplayScale(dpi).FontPixels(points);
    look.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    look.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(look.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&look);
}

HWND AddControl(HWND parent, const wchar_t* controlClass, const std::wstring& text, DWORD style,
                int x, int y, int width, int height, int id, DWORD exStyle) {
    const DisplayScale scale = ScaleOf(parent);
    const HWND control = CreateWindowExW(
        exStyle, controlClass, text.c_str(), style | WS_CHILD | WS_VISIBLE, scale.Length(x),
        scale.Length(y), scale.Length(width), scale.Length(height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DesignedFont(scale.Dpi())), FALSE);
    return control;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
