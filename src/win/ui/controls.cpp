#include "ui/controls.h"

HFONT DesignedFont() {
    static const HFONT font = MakeFont(L"Arial", 8);
    return font;
}

HFONT MakeFont(const wchar_t* face, int points, bool bold) {
    LOGFONTW look{};
    look.lfHeight = -MulDiv(points, 96, 72);
    look.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    look.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(look.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&look);
}

HWND AddControl(HWND parent, const wchar_t* controlClass, const std::wstring& text, DWORD style,
                int x, int y, int width, int height, int id, DWORD exStyle) {
    const HWND control =
        CreateWindowExW(exStyle, controlClass, text.c_str(), style | WS_CHILD | WS_VISIBLE, x, y,
                        width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DesignedFont()), FALSE);
    return control;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
