// The density of the display a window stands on, asked of the system as the running version
// offers it: per window where it can, else the system's, else the screen's logical inch.
#pragma once

#include "board/display_scale.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The window's density; for a null window, the system's.
int WindowDpi(HWND window);
DisplayScale ScaleOf(HWND window);
// A system metric (scroll-bar sizes, edges) at a density; where the system cannot say, its own.
int SystemMetricForDpi(int index, int dpi);
// The outer rectangle of a window with this client rectangle, its frame and menu bar drawn at the
// density; where the system cannot say, at its own.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);
