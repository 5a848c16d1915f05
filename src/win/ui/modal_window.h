// A dialog window shown modally over its owner: the owner is disabled and the messages of the
// whole program run until the window ends with a result.
#pragma once

#include "ui/window.h"

#include <vector>

class ModalWindow : public Window {
public:
    ~ModalWindow() override;

    // Shows the window centred on its owner's screen and returns the result it ended with: IDOK,
    // IDCANCEL (the close box and Escape), or what EndModal was given.
    int ShowModal();
    bool Showing() const { return Showing_; }
    // The window it stands over and disables while shown: a dialog two windows share (the about
    // box) belongs to the one that shows it.
    void SetOwner(HWND owner);

protected:
    // Tab moves between the controls; Enter and Escape send IDOK and IDCANCEL as WM_COMMAND.
    void Create(const wchar_t* className, const std::wstring& caption, int clientWidth,
                int clientHeight, HWND owner);
    // A modal window of another frame, a menu bar among them.
    using Window::Create;
    void EndModal(int result);
    // A window's own shortcuts, given each message of the modal loop first; true when the
    // message was one.
    virtual bool TranslateShortcut(MSG& message) const;
    // Ends with IDCANCEL on the close box, and with IDOK or IDCANCEL on those commands; a
    // dialog that handles them itself does not pass them on. Moved to a screen of another
    // density, the window takes the rectangle the system suggests and its controls grow or shrink
    // with their places and fonts.
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Rescale(int dpi, const RECT& suggested);

    int LaidOutDpi = 0; // the density the controls stand at
    std::vector<HFONT> ScaledFonts;
    bool Showing_ = false;
    int Result = IDCANCEL;
};
