// The framed prompt the main window shows in place of a hidden board.
#pragma once

#include "board/display_scale.h"

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Its text, room and icon at the window's display scale.
void DrawPromptPanel(HDC dc, const RECT& client, const std::string& text,
                     const DisplayScale& scale);
