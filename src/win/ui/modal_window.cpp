#include "ui/modal_window.h"

#include "ui/controls.h"
#include "ui/display_dpi.h"

namespace {

struct Rescaling {
    int From;
    int To;
    std::vector<HFONT>& Made;
};

// One control, at its place in its parent, and its font: the dialog font of the new density, or
// the control's own face at a height grown as the density did.
BOOL CALLBACK RescaleControl(HWND control, LPARAM data) {
    const Rescaling& rescaling = *reinterpret_cast<const Rescaling*>(data);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    const auto scaled = [&](LONG length) { return MulDiv(length, rescaling.To, rescaling.From); };
    MoveWindow(control, scaled(place.left), scaled(place.top),
               scaled(place.right) - scaled(place.left), scaled(place.bottom) - scaled(place.top),
               TRUE);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (font == nullptr)
        return TRUE;
    HFONT rescaled = nullptr;
    if (font == DesignedFont(rescaling.From)) {
        rescaled = DesignedFont(rescaling.To);
    } else {
        LOGFONTW look{};
        GetObjectW(font, sizeof(look), &look);
        look.lfHeight = scaled(look.lfHeight);
        rescaled = CreateFontIndirectW(&look);
        rescaling.Made.push_back(rescaled);
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(rescaled), TRUE);
    return TRUE;
}

} // namespace

ModalWindow::~ModalWindow() {
    // The window and its controls go right after, without painting again.
    for (const HFONT font : ScaledFonts)
        DeleteObject(font);
}

void ModalWindow::Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                         int clientHeight, HWND owner) {
    Window::Create(className, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, clientWidth, clientHeight, owner);
    LaidOutDpi = WindowDpi(Handle());
}

void ModalWindow::Rescale(int dpi, const RECT& suggested) {
    if (LaidOutDpi > 0 && dpi > 0 && dpi != LaidOutDpi) {
        Rescaling rescaling{LaidOutDpi, dpi, ScaledFonts};
        EnumChildWindows(Handle(), RescaleControl, reinterpret_cast<LPARAM>(&rescaling));
        LaidOutDpi = dpi;
    }
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int ModalWindow::ShowModal() {
    const HWND owner = GetWindow(Handle(), GW_OWNER);
    CentreOnWorkArea(Handle(), owner);
    if (owner != nullptr)
        EnableWindow(owner, FALSE);
    Showing_ = true;
    Result = IDCANCEL;
    ShowWindow(Handle(), SW_SHOW);
    // The first control that takes the focus gets it, as a dialog would give it.
    if (const HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE))
        SetFocus(first);
    MSG message{};
    while (Showing_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the outer loop must see the quit too.
            PostQuitMessage(static_cast<int>(message.wParam));
            Showing_ = false;
            break;
        }
        if (got == -1)
            break;
        if (TranslateShortcut(message) || IsDialogMessageW(Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The owner is enabled before this window hides, so the system gives it the activation.
    if (owner != nullptr)
        EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    return Result;
}

void ModalWindow::SetOwner(HWND owner) {
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

bool ModalWindow::TranslateShortcut(MSG&) const {
    return false;
}

void ModalWindow::EndModal(int result) {
    Result = result;
    Showing_ = false;
}

LRESULT ModalWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        EndModal(IDCANCEL);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndModal(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_DPICHANGED:
        Rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return Window::Message(message, wParam, lParam);
}
