// The program's message boxes: its name as caption, an icon and fixed buttons.
#pragma once

#include <string_view>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void ShowError(HWND owner, std::string_view text);
void Inform(HWND owner, std::string_view text);
// Yes and No; true for Yes.
bool AskYesNo(HWND owner, std::string_view text);
// OK and Cancel; true for OK.
bool ConfirmOkCancel(HWND owner, std::string_view text);
