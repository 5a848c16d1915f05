// A multi-line text box of the system's that takes no more typing than a file field has room for,
// a line break counting as the two characters (CR LF) it is stored as.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

class LimitedMemo {
public:
    LimitedMemo(HWND parent, int id, int x, int y, int width, int height, int maxLength);
    LimitedMemo(const LimitedMemo&) = delete;
    LimitedMemo& operator=(const LimitedMemo&) = delete;

    // UTF-8 text, shown whole even past the limit: the limit binds typing only.
    void SetStoredText(const std::string& text);
    // The text in UTF-8 with CR LF line breaks; unedited, the text as it was set, whatever line
    // breaks it had, so a lone line feed does not come back as two characters.
    std::string StoredText() const;
    HWND Handle() const { return Handle_; }

private:
    // Tab and Escape are the dialog's keys; Enter starts a new line.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR);

    HWND Handle_ = nullptr;
    std::string AsSet;
};
