// Child controls laid out at pixel positions in the face the windows are designed in. Positions and
// sizes are given at 96 dots per inch and grow with the density of the parent's display.
#pragma once

#include "board/display_scale.h"

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Arial at 8 points (11 pixels at 96 dots per inch) at a density, made once for the whole run.
HFONT DesignedFont(int dpi);
// A font of that face and size in points at a density; the caller deletes it. The board's clue
// faces are drawn at 96 and grow with the board.
HFONT MakeFont(const wchar_t* face, int points, bool bold = false,
               int dpi = DisplayScale::DesignedDpi);

// A visible child control of a system class (WC_BUTTONW, WC_EDITW, WC_STATICW ...) with the
// designed font, at the parent's density. The style gets WS_CHILD and WS_VISIBLE added.
HWND AddControl(HWND parent, const wchar_t* controlClass, const std::wstring& text, DWORD style,
                int x, int y, int width, int height, int id = 0, DWORD exStyle = 0);

std::wstring WindowText(HWND window);
