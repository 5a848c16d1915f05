// Child controls laid out at pixel positions in the face the windows are designed in.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Arial at 8 points (11 pixels at 96 dots per inch), made once for the whole run.
HFONT DesignedFont();
// A font of that face and size in points, at 96 dots per inch; the caller deletes it.
HFONT MakeFont(const wchar_t* face, int points, bool bold = false);

// A visible child control of a system class (WC_BUTTONW, WC_EDITW, WC_STATICW ...) with the
// designed font. The style gets WS_CHILD and WS_VISIBLE added.
HWND AddControl(HWND parent, const wchar_t* controlClass, const std::wstring& text, DWORD style,
                int x, int y, int width, int height, int id = 0, DWORD exStyle = 0);

std::wstring WindowText(HWND window);
