#include "game/prompt_panel.h"

#include "game/prompt_layout.h"
#include "ui/controls.h"
#include "ui/wide_text.h"

void DrawPromptPanel(HDC dc, const RECT& client, const std::string& text,
                     const DisplayScale& scale) {
    const std::wstring shown = Wide(text);
    const HFONT font = MakeFont(L"Arial", PromptPoints, false, scale.Dpi());
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    const PromptLayout layout =
        PromptLayoutFor(client.right, client.bottom, size.cx, size.cy, scale);
    RECT panel{layout.Panel.Left, layout.Panel.Top, layout.Panel.Right, layout.Panel.Bottom};
    FillRect(dc, &panel, GetSysColorBrush(COLOR_BTNFACE));
    for (const PromptFrameStrip& strip : PromptFrameStrips(layout.Panel, scale.Length(PromptFrameWidth))) {
        const RECT area{strip.Area.Left, strip.Area.Top, strip.Area.Right, strip.Area.Bottom};
        const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(strip.Colour));
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, layout.TextLeft, layout.TextTop, shown.c_str(), static_cast<int>(shown.size()));
    DrawIconEx(dc, layout.IconLeft, layout.IconTop,
               LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"), layout.IconSize, layout.IconSize, 0, nullptr,
               DI_NORMAL);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}
