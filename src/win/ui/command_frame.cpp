#include "ui/command_frame.h"

CommandFrame::~CommandFrame() {
    DestroyAcceleratorTable(Shortcuts);
}

bool CommandFrame::TranslateShortcut(HWND window, MSG& message) const {
    return GetAncestor(message.hwnd, GA_ROOT) == window &&
           TranslateAcceleratorW(window, Shortcuts, &message) != 0;
}

std::optional<LRESULT> CommandFrame::Message(UINT message, WPARAM wParam, LPARAM lParam) const {
    switch (message) {
    case WM_MEASUREITEM:
        if (Menus.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Menus.Draw(item) || Band.Draw(item))
            return TRUE;
        break;
    }
    case WM_MENUCHAR:
        if (const LRESULT chosen = Menus.MenuChar(static_cast<wchar_t>(LOWORD(wParam)),
                                                  reinterpret_cast<HMENU>(lParam)))
            return chosen;
        break;
    default:
        break;
    }
    return std::nullopt;
}
