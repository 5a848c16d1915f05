// The band at the top of a main window's client area: a bevel, the tool panel with its buttons
// and their hints, a second bevel.
#pragma once

#include "board/display_scale.h"

#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Rows 0 to 29 of the client area at 96 dots per inch; what the window shows starts below it.
constexpr int ToolBandHeight = 30;

// What a button shows: drawn in the system's button colours, so it reads on any scheme.
enum class ToolGlyph { NewPage, OpenFolder, SaveDisk, Play, Pause, Back, Forward, Help };

// Draws a glyph in a 16 × 16 square whose top-left corner is (x, y), in the button text colour
// or, disabled, greyed and embossed; at a whole multiple, every pixel of it a square of that size.
void DrawToolGlyph(HDC dc, ToolGlyph glyph, int x, int y, bool disabled, int multiple = 1);
// In the colour given, for any other use.
void DrawGlyph(HDC dc, ToolGlyph glyph, int x, int y, COLORREF ink, int multiple = 1);

struct ToolButtonSpec {
    int Id; // the command it sends
    int X;  // left edge in the panel, at 96 dots per inch
    ToolGlyph Glyph;
    std::string Hint;
};

class ToolBand {
public:
    // Every button has the size given and stands at y = 2 in the panel, at 96 dots per inch; the
    // band grows with the density of the parent's display.
    ToolBand(HWND parent, const std::vector<ToolButtonSpec>& buttons, SIZE buttonSize);
    ~ToolBand();
    ToolBand(const ToolBand&) = delete;
    ToolBand& operator=(const ToolBand&) = delete;

    // The band's height in the window: ToolBandHeight at its density.
    int Height() const { return Scale.Length(ToolBandHeight); }
    // A new density: the buttons and bevels take their places at it; LayOut follows.
    void SetScale(const DisplayScale& scale);
    void LayOut(int width) const;
    // The panel under the buttons, in the system's face colour whatever the board's scheme;
    // the window paints it, since a control there would paint over the buttons.
    void PaintPanel(HDC dc, int width) const;
    // The least width that shows every button, with the margin on their left repeated on their
    // right.
    int NeededWidth() const;
    void Enable(int id, bool enabled) const;
    // WM_DRAWITEM of the parent, for its buttons; false for any other control.
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    HWND Bevel1;
    HWND Bevel2;
    HWND Hints;
    std::vector<HWND> Buttons;
    std::vector<ToolButtonSpec> Specs;
    SIZE ButtonSize;
    DisplayScale Scale;
};
