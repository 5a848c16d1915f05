// A spin box of the system's controls, an edit box with an up-down control inside its right end,
// whose number changes only by the arrow buttons and the Up and Down keys.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

class ArrowSpinBox {
public:
    // A held arrow steps again after RepeatDelay milliseconds, then every RepeatInterval.
    static constexpr UINT RepeatDelay = 400;
    static constexpr UINT RepeatInterval = 100;
    // The timer of that repeat, on the arrows' window.
    static constexpr UINT_PTR RepeatTimer = 0x5EA7;

    // The edit box takes the id; both controls together fill the area given.
    ArrowSpinBox(HWND parent, int id, int x, int y, int width, int height, int least, int most);
    ArrowSpinBox(const ArrowSpinBox&) = delete;
    ArrowSpinBox& operator=(const ArrowSpinBox&) = delete;

    // Shows the value clamped into the box's range.
    void SetValue(int value);
    // The number shown, or the least value when the text is no number.
    int Value() const;
    HWND Edit() const { return Edit_; }
    HWND Arrows() const { return Arrows_; }

private:
    // Typing, pasting, cutting and deleting are refused with the system's beep, by whatever way
    // they come: text that gets in all the same is replaced by the number shown before.
    static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self);
    // The arrows' own repeat gives way to the box's timing.
    static LRESULT CALLBACK ArrowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self);
    // +1 for the upper arrow under the point, -1 for the lower one, 0 outside both.
    int DirectionAt(POINT point) const;
    void Step(int direction);

    HWND Edit_ = nullptr;
    HWND Arrows_ = nullptr;
    int Least;
    int Most;
    int Held = 0;       // the direction of the arrow held down, 0 when none is
    std::wstring Shown; // the text last set through WM_SETTEXT
};
