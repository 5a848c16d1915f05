// The framed prompt the main window shows in place of a hidden board.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

void DrawPromptPanel(HDC dc, const RECT& client, const std::string& text);
