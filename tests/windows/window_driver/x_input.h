// A player's mouse and keys, given to whatever window is under the pointer or has the focus on
// the X display, through xdotool.
#pragma once

#include <string>

enum class MouseButton { Left = 1, Middle = 2, Right = 3 };

// Moves the pointer to the screen point and presses and releases the button there.
bool ClickAt(int x, int y, MouseButton button);
// Keys in xdotool's names, "F5" or "ctrl+s", pressed and released in turn.
bool PressKey(const std::string& keys);
// The text typed key by key into the window with the focus.
bool TypeText(const std::string& text);
