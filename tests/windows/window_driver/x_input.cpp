// A player's mouse and keys through xdotool.
#include "window_driver/x_input.h"

#include "window_driver/wine_gui.h"

bool ClickAt(int x, int y, MouseButton button) {
    // The server takes the move before the press, so the press lands where it is meant to; no
    // --sync, which waits for a movement that never comes when the pointer is there already.
    return ExitedCleanly(RunProgram({"xdotool", "mousemove", std::to_string(x),
                                     std::to_string(y), "click",
                                     std::to_string(static_cast<int>(button))}));
}

bool PressKey(const std::string& keys) {
    return ExitedCleanly(RunProgram({"xdotool", "key", keys}));
}

bool TypeText(const std::string& text) {
    return ExitedCleanly(RunProgram({"xdotool", "type", "--delay", "20", text}));
}
