#include "ui/tool_band.h"

#include "ui/controls.h"
#include "ui/display_dpi.h"
#include "ui/wide_text.h"

// commctrl.h needs the types of windows.h.
#include <algorithm>
#include <commctrl.h>

namespace {

constexpr int BevelHeight = 2;
constexpr int PanelHeight = 26;
constexpr int ButtonTop = 2;

void Polygon(HDC dc, std::initializer_list<POINT> points) {
    ::Polygon(dc, points.begin(), static_cast<int>(points.size()));
}

} // namespace

void DrawToolGlyph(HDC dc, ToolGlyph glyph, int x, int y, bool disabled, int multiple) {
    if (disabled)
        DrawGlyph(dc, glyph, x + multiple, y + multiple, GetSysColor(COLOR_BTNHIGHLIGHT), multiple);
    DrawGlyph(dc, glyph, x, y, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT), multiple);
}

void DrawGlyph(HDC dc, ToolGlyph glyph, int x, int y, COLORREF ink, int multiple) {
    const int k = std::max(1, multiple);
    const HBRUSH brush = CreateSolidBrush(ink);
    const HPEN pen = CreatePen(PS_SOLID, 1, ink);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const auto block = [&](int left, int top, int right, int bottom) {
        const RECT box{x + left * k, y + top * k, x + right * k, y + bottom * k};
        FillRect(dc, &box, brush);
    };
    // A frame one glyph pixel wide: its four edges as blocks.
    const auto frame = [&](int left, int top, int right, int bottom) {
        block(left, top, right, top + 1);
        block(left, bottom - 1, right, bottom);
        block(left, top, left + 1, bottom);
        block(right - 1, top, right, bottom);
    };
    const auto at = [&](int px, int py) { return POINT{x + px * k, y + py * k}; };
    switch (glyph) {
    case ToolGlyph::NewPage:
        frame(3, 1, 13, 15);
        block(5, 4, 11, 5);
        block(5, 7, 11, 8);
        block(5, 10, 11, 11);
        break;
    case ToolGlyph::OpenFolder:
        frame(1, 4, 15, 14);
        block(1, 3, 7, 5);
        break;
    case ToolGlyph::SaveDisk:
        frame(1, 1, 15, 15);
        block(4, 1, 12, 6);
        frame(4, 9, 12, 15);
        break;
    case ToolGlyph::Play:
        Polygon(dc, {at(5, 2), at(12, 8), at(5, 14)});
        break;
    case ToolGlyph::Pause:
        block(4, 3, 7, 14);
        block(9, 3, 12, 14);
        break;
    case ToolGlyph::Back:
        Polygon(dc, {at(2, 8), at(8, 2), at(8, 14)});
        block(8, 6, 14, 11);
        break;
    case ToolGlyph::Forward:
        Polygon(dc, {at(14, 8), at(8, 2), at(8, 14)});
        block(2, 6, 8, 11);
        break;
    case ToolGlyph::Help: {
        const HFONT font = MakeFont(L"Arial", 11, true, DisplayScale::DesignedDpi * k);
        const HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ink);
        RECT box{x, y, x + 16 * k, y + 16 * k};
        DrawTextW(dc, L"?", 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
        DeleteObject(font);
        break;
    }
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

ToolBand::ToolBand(HWND parent, const std::vector<ToolButtonSpec>& buttons, SIZE buttonSize)
    : Specs(buttons), ButtonSize(buttonSize), Scale(ScaleOf(parent)) {
    Bevel1 = AddControl(parent, WC_STATICW, L"", SS_ETCHEDHORZ, 0, 0, 0, BevelHeight);
    Bevel2 = AddControl(parent, WC_STATICW, L"", SS_ETCHEDHORZ, 0, BevelHeight + PanelHeight, 0,
                        BevelHeight);
    Hints = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                            0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const ToolButtonSpec& spec : Specs) {
        // The buttons are the window's own children, so their commands reach it directly.
        const HWND button =
            AddControl(parent, WC_BUTTONW, L"", BS_OWNERDRAW, spec.X, BevelHeight + ButtonTop,
                       ButtonSize.cx, ButtonSize.cy, spec.Id);
        std::wstring hint = Wide(spec.Hint);
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(button);
        tool.lpszText = hint.data();
        SendMessageW(Hints, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        Buttons.push_back(button);
    }
}

ToolBand::~ToolBand() {
    DestroyWindow(Hints);
}

void ToolBand::SetScale(const DisplayScale& scale) {
    Scale = scale;
    for (std::size_t i = 0; i < Specs.size(); ++i)
        MoveWindow(Buttons[i], Scale.Length(Specs[i].X), Scale.Length(BevelHeight + ButtonTop),
                   Scale.Length(ButtonSize.cx), Scale.Length(ButtonSize.cy), TRUE);
}

void ToolBand::LayOut(int width) const {
    MoveWindow(Bevel1, 0, 0, width, Scale.Length(BevelHeight), TRUE);
    MoveWindow(Bevel2, 0, Scale.Length(BevelHeight + PanelHeight), width,
               Scale.Length(BevelHeight), TRUE);
}

void ToolBand::PaintPanel(HDC dc, int width) const {
    const RECT panel{0, Scale.Length(BevelHeight), width, Scale.Length(BevelHeight + PanelHeight)};
    FillRect(dc, &panel, GetSysColorBrush(COLOR_BTNFACE));
}

int ToolBand::NeededWidth() const {
    if (Specs.empty())
        return 0;
    return Scale.Length(Specs.back().X + ButtonSize.cx + Specs.front().X);
}

void ToolBand::Enable(int id, bool enabled) const {
    for (size_t i = 0; i < Specs.size(); ++i)
        if (Specs[i].Id == id && (IsWindowEnabled(Buttons[i]) != FALSE) != enabled)
            EnableWindow(Buttons[i], enabled ? TRUE : FALSE);
}

bool ToolBand::Draw(const DRAWITEMSTRUCT& item) const {
    for (size_t i = 0; i < Specs.size(); ++i) {
        if (item.hwndItem != Buttons[i])
            continue;
        RECT box = item.rcItem;
        FillRect(item.hDC, &box, GetSysColorBrush(COLOR_BTNFACE));
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        const bool disabled = (item.itemState & ODS_DISABLED) != 0;
        DrawEdge(item.hDC, &box, pressed ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
        const int multiple = Scale.BoardZoom();
        const int shift = pressed ? multiple : 0;
        const int x = (box.right - 16 * multiple) / 2 + shift;
        const int y = (box.bottom - 16 * multiple) / 2 + shift;
        DrawToolGlyph(item.hDC, Specs[i].Glyph, x, y, disabled, multiple);
        return true;
    }
    return false;
}
