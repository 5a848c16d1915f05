// A dialog window shown modally over its owner: the owner is disabled and the messages of the
// whole program run until the window ends with a result.
#pragma once

#include "ui/window.h"

class ModalWindow : public Window {
public:
    // Shows the window centred on its owner's screen and returns the result it ended with: IDOK,
    // IDCANCEL (the close box and Escape), or what EndModal was given.
    int ShowModal();
    bool Showing() const { return Showing_; }

protected:
    // Tab moves between the controls; Enter and Escape send IDOK and IDCANCEL as WM_COMMAND.
    void Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                int clientHeight, HWND owner);
    void EndModal(int result);
    // Ends with IDCANCEL on the close box, and with IDOK or IDCANCEL on those commands; a
    // dialog that handles them itself does not pass them on.
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Showing_ = false;
    int Result = IDCANCEL;
};
