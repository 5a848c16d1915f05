// Drives a modal dialog from inside its own message loop, and reads its controls back.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

// Runs each step once the dialog's loop has gone idle, in turn: the messages a step posts (clicks,
// the close box) are handled before the next step runs. The last step must end the dialog.
// Call before the showing call.
void WhileShown(std::initializer_list<std::function<void()>> steps);

// A click on a button as the player makes it, handled in the dialog's loop.
void PostClick(HWND dialog, int buttonId);
// A click on a list view's column header.
void PostHeaderClick(HWND list, int column);
// The close box.
void PostClose(HWND dialog);

std::wstring ControlText(HWND dialog, int id);
bool IsTicked(HWND dialog, int checkBoxId);
// One column of a list view, row by row, and the rows' icon indices.
std::vector<std::wstring> ListColumn(HWND list, int column);
std::vector<int> ListIcons(HWND list);
// Selects a row as a click on it would.
void SelectRow(HWND list, int row);
