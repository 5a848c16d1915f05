#include "editor/limited_memo.h"

#include "editor/puzzle_info_fields.h"
#include "ui/controls.h"
#include "ui/wide_text.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

LimitedMemo::LimitedMemo(HWND parent, int id, int x, int y, int width, int height, int maxLength) {
    Handle_ = AddControl(parent, WC_EDITW, L"",
                         ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP, x, y, width,
                         height, id, WS_EX_CLIENTEDGE);
    // The system's box counts each line break as its CR and LF.
    SendMessageW(Handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    SetWindowSubclass(Handle_, Procedure, 1, 0);
}

void LimitedMemo::SetStoredText(const std::string& text) {
    AsSet = text;
    SetWindowTextW(Handle_, Wide(CommentsShown(text)).c_str());
    SendMessageW(Handle_, EM_SETMODIFY, FALSE, 0);
}

std::string LimitedMemo::StoredText() const {
    if (SendMessageW(Handle_, EM_GETMODIFY, 0, 0) == 0)
        return AsSet;
    return Utf8(WindowText(Handle_));
}

LRESULT CALLBACK LimitedMemo::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE && lParam != 0) {
        // A multi-line box asks for every key; Tab and Escape are left to the dialog, which moves
        // the focus on Tab and does not end on Escape.
        const MSG& key = *reinterpret_cast<const MSG*>(lParam);
        const LRESULT wanted = DefSubclassProc(window, message, wParam, lParam);
        if (key.message == WM_KEYDOWN && (key.wParam == VK_TAB || key.wParam == VK_ESCAPE))
            return wanted & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return wanted;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
