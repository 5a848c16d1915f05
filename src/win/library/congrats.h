// The congratulations shown when a puzzle is solved, with the choice to record it.
#pragma once

#include "ui/modal_window.h"

#include <string>

// The dialog's controls, by their identifiers.
namespace CongratsControl {
constexpr int StaticText1 = 101;
constexpr int CheckBox1 = 102;
constexpr int Button1 = IDOK; // Close
} // namespace CongratsControl

class Tfcongrats : public ModalWindow {
public:
    explicit Tfcongrats(HWND owner);

    // Shows the text (UTF-8) with "Register this puzzle as solved." ticked; true when it is still
    // ticked as the dialog closes, by Close or by the close box alike.
    bool Congratulate(const std::string& text);

private:
    HWND StaticText1 = nullptr;
    HWND CheckBox1 = nullptr;
};
