// A window of the program's own whose messages reach a C++ object, made once and kept for the
// whole run.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return Handle_; }

protected:
    // Makes the window hidden, with a client area of the size given at 96 dots per inch and grown
    // with the density of its owner's display (the system's for none), centred on the screen's
    // work area; a child stays where it is made. The class is registered on first use.
    void Create(const wchar_t* className, const std::wstring& caption, DWORD style, DWORD exStyle,
                int clientWidth, int clientHeight, HWND owner, HMENU menu = nullptr);
    // Every message the window gets; what is not handled goes to DefWindowProcW.
    virtual LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle_ = nullptr;
};

// Moves a window so that it stands centred on the work area of the screen that shows another
// window (its owner), or of the primary screen.
void CentreOnWorkArea(HWND window, HWND owner);
// Moves a window that reaches past the edges of its screen's work area back inside it, its top-left
// corner first.
void KeepOnWorkArea(HWND window);
// The outer size of a window with this client area, menu bar included when it has one.
SIZE OuterSize(HWND window, int clientWidth, int clientHeight);
