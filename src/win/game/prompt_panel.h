// The framed prompt the main window shows in place of a hidden board.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void DrawPromptPanel(HDC dc, const RECT& client, const std::string& text);
