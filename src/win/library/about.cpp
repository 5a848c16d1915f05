#include "library/about.h"

#include "library/readme_lines.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/display_dpi.h"
#include "ui/wide_text.h"

#include <algorithm>
#include <commctrl.h>

namespace {

// Impact at the pixel size given; where the system lacks it, it puts its nearest face in its place.
HFONT MakeBetaFont(int pixels) {
    LOGFONTW look{};
    look.lfHeight = -pixels;
    look.lfWeight = FW_NORMAL;
    look.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(look.lfFaceName, L"Impact", LF_FACESIZE);
    return CreateFontIndirectW(&look);
}

int TextWidth(HWND control, HFONT font) {
    const std::wstring text = WindowText(control);
    const HDC context = GetDC(control);
    const HGDIOBJ previous = SelectObject(context, font);
    SIZE size{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(control, context);
    return size.cx;
}

// A face wider than Impact must not cut the text: the label keeps its place and grows to the
// right as far as the box's edge, and a face too wide even for that is drawn smaller. Returns the
// font the label shows, which its owner deletes.
HFONT FitWholeText(HWND label, int pixels, int rightEdge) {
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, GetParent(label), reinterpret_cast<POINT*>(&place), 2);
    HFONT font = MakeBetaFont(pixels);
    while (pixels > 1 && place.left + TextWidth(label, font) > rightEdge) {
        DeleteObject(font);
        font = MakeBetaFont(--pixels);
    }
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const int width = std::max<int>(place.right - place.left, TextWidth(label, font));
    SetWindowPos(label, nullptr, 0, 0, width, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return font;
}

std::wstring MemoText(const std::filesystem::path& readme) {
    std::wstring text;
    for (const std::string& line : ReadmeLines(readme)) {
        if (!text.empty())
            text += L"\r\n";
        text += Wide(line);
    }
    return text;
}

} // namespace

Tfabout::Tfabout(HWND owner, const std::filesystem::path& programFolder)
    : NameFont(MakeFont(L"Tahoma", 8, true, WindowDpi(owner))) {
    Create(L"Tfabout", L"About ...", 376, 482, owner);
    const DisplayScale scale = ScaleOf(Handle());
    // No buttons in the title bar: Close and Escape end the box.
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_SYSMENU);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    const HWND panel = AddControl(Handle(), WC_STATICW, L"", SS_BITMAP | SS_CENTERIMAGE | SS_SUNKEN,
                                  12, 6, 353, 103);
    if (const HANDLE banner =
            LoadImageW(GetModuleHandleW(nullptr), L"BANNER", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))
        SendMessageW(panel, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner));
    SetWindowPos(panel, nullptr, scale.Length(12), scale.Length(6), scale.Length(353),
                 scale.Length(103), SWP_NOZORDER | SWP_NOACTIVATE);

    AddLabel(Handle(), L"Quorvane", 16, 118, 0, NameFont);
    AddLabel(Handle(), L"Version 0.98", 118, 118);
    Label5 = AddControl(Handle(), WC_STATICW, L"Beta Version", SS_RIGHT | SS_NOPREFIX, 264, 114,
                        100, 23, AboutControl::Label5);
    RECT box{};
    GetClientRect(Handle(), &box);
    BetaFont = FitWholeText(Label5, scale.Length(19), box.right);
    AddLabel(Handle(), L"Written by the Quorvane developers.", 16, 134);
    AddLabel(Handle(), L"Legal Notice", 16, 156);
    AddBevelLine(Handle(), 14, 168, 349);
    Memo1 = AddControl(Handle(), WC_EDITW, L"",
                       ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, 14,
                       186, 351, 203, AboutControl::Memo1);
    AddControl(Handle(), WC_BUTTONW, L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 282, 398, 75, 25,
               AboutControl::Button1);
    AddLabel(Handle(),
             L"This version is beta (ie. not the final product). Please post any comments ", 14,
             432);
    AddLabel(Handle(), L"bugs or suggestions to:", 14, 446);
    AddLabel(Handle(), L"the Quorvane project's issue tracker.", 14, 460);

    FormCreate(programFolder);
}

Tfabout::~Tfabout() {
    // The controls that use the fonts go first.
    if (Handle() != nullptr)
        DestroyWindow(Handle());
    DeleteObject(NameFont);
    DeleteObject(BetaFont);
}

void Tfabout::FormCreate(const std::filesystem::path& programFolder) {
    SetWindowTextW(Memo1, MemoText(programFolder / "Readme.txt").c_str());
}

LRESULT Tfabout::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        const auto control = reinterpret_cast<HWND>(lParam);
        const auto context = reinterpret_cast<HDC>(wParam);
        // The read-only text area takes the dialog's face, as the labels do.
        if (control == Label5 || control == Memo1) {
            SetTextColor(context,
                         control == Label5 ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(context, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
    }
    return ModalWindow::Message(message, wParam, lParam);
}
