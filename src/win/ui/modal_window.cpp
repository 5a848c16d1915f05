#include "ui/modal_window.h"

void ModalWindow::Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                         int clientHeight, HWND owner) {
    Window::Create(className, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                   WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, clientWidth, clientHeight, owner);
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
    default:
        break;
    }
    return Window::Message(message, wParam, lParam);
}
