// The small parts the program's dialogs share: labels as wide as their text, etched lines and the
// program's icon.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// A plain-text label at (x, y), one line high and as wide as its text in the label's font, but
// never past the parent's right edge. The font is the designed one unless another is given.
HWND AddLabel(HWND parent, const std::wstring& text, int x, int y, int id = 0,
              HFONT font = nullptr);
// Gives a label new text and fits its width to it again, within the parent.
void SetLabelText(HWND label, const std::wstring& text);

// A sunken line along the bottom edge of the area at (x, y), width pixels wide.
HWND AddBevelLine(HWND parent, int x, int y, int width);

// The program's icon, centred in the area given.
HWND AddProgramIcon(HWND parent, int x, int y, int width, int height);
