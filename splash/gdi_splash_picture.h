// The splash picture drawn with GDI, for the Windows splash window.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Paints the whole picture, SplashDesign's size, at the device context's origin.
void PaintSplashPicture(HDC dc);
