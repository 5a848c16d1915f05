#include "editor/arrow_spin_box.h"

#include "ui/controls.h"

#include <algorithm>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

namespace {

constexpr UINT_PTR SubclassId = 1;

// Characters that only copy or select: what the box shows stays as it is.
bool Harmless(WPARAM character) {
    constexpr WPARAM CtrlA = 0x01;
    constexpr WPARAM CtrlC = 0x03;
    return character == CtrlA || character == CtrlC;
}

LRESULT Refuse() {
    MessageBeep(MB_OK);
    return 0;
}

} // namespace

ArrowSpinBox::ArrowSpinBox(HWND parent, int id, int x, int y, int width, int height, int least,
                           int most)
    : Least(least), Most(most) {
    Edit_ = AddControl(parent, WC_EDITW, L"", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, x, y, width,
                       height, id, WS_EX_CLIENTEDGE);
    // Made right after its edit box, the arrows follow it in the tab order without a stop of
    // their own; aligned right, they take the box's right end.
    Arrows_ =
        AddControl(parent, UPDOWN_CLASSW, L"",
                   UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0);
    SendMessageW(Arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Edit_), 0);
    SendMessageW(Arrows_, UDM_SETRANGE32, static_cast<WPARAM>(least), most);
    SetValue(least);
    // Installed after the arrows' own hold on their buddy, so this one sees each message first.
    SetWindowSubclass(Edit_, EditProcedure, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    Shown = WindowText(Edit_);
    SetWindowSubclass(Arrows_, ArrowProcedure, SubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ArrowSpinBox::SetValue(int value) {
    SendMessageW(Arrows_, UDM_SETPOS32, 0, std::clamp(value, Least, Most));
}

int ArrowSpinBox::Value() const {
    BOOL failed = FALSE;
    const auto value =
        static_cast<int>(SendMessageW(Arrows_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return failed ? Least : value;
}

int ArrowSpinBox::DirectionAt(POINT point) const {
    RECT area{};
    GetClientRect(Arrows_, &area);
    if (!PtInRect(&area, point))
        return 0;
    return point.y < (area.top + area.bottom) / 2 ? 1 : -1;
}

void ArrowSpinBox::Step(int direction) {
    SetValue(Value() + direction);
}

LRESULT CALLBACK ArrowSpinBox::EditProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& box = *reinterpret_cast<ArrowSpinBox*>(self);
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
        if (!Harmless(wParam))
            return Refuse();
        break;
    case WM_KEYDOWN:
        // Delete clears and Shift+Delete cuts; Shift+Insert pastes without a WM_PASTE.
        if (wParam == VK_DELETE || (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0))
            return Refuse();
        break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        return Refuse();
    case WM_MOUSEWHEEL:
        return 0;
    case WM_SETTEXT: {
        // The arrows and SetValue show a number this way, and only they.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        box.Shown = WindowText(window);
        return result;
    }
    default:
        break;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    // Whatever other way text came in (an input method's composition, a message from another
    // program), the edit box marks itself changed, and the number goes back.
    if (DefSubclassProc(window, EM_GETMODIFY, 0, 0) != 0) {
        SetWindowTextW(window, box.Shown.c_str());
        Refuse();
    }
    return result;
}

LRESULT CALLBACK ArrowSpinBox::ArrowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& box = *reinterpret_cast<ArrowSpinBox*>(self);
    switch (message) {
    case WM_LBUTTONDOWN: {
        // The arrows step once and show the press themselves; the repeat is timed here.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        box.Held = box.DirectionAt(
            {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        if (box.Held != 0)
            SetTimer(window, RepeatTimer, RepeatDelay, nullptr);
        return result;
    }
    case WM_TIMER:
        if (wParam == RepeatTimer) {
            if (box.Held == 0) {
                KillTimer(window, RepeatTimer);
                return 0;
            }
            POINT pointer{};
            GetCursorPos(&pointer);
            ScreenToClient(window, &pointer);
            // As long as the pointer stays on the arrow pressed.
            if (box.DirectionAt(pointer) == box.Held)
                box.Step(box.Held);
            SetTimer(window, RepeatTimer, RepeatInterval, nullptr);
            return 0;
        }
        // The arrows' own repeat, with its own timing, is not run while one is held.
        if (box.Held != 0)
            return 0;
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        box.Held = 0;
        KillTimer(window, RepeatTimer);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
