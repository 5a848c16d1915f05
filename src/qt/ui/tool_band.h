// The band at the top of a main window's client area: a line, the tool panel, a second line.
#pragma once

class QFrame;
class QWidget;

// Rows 0 to 29 of the client area; what the window shows starts below it.
constexpr int ToolBandHeight = 30;

struct ToolBand {
    QFrame* Bevel1;
    QWidget* Panel1; // in the system's face colour, whatever the board's scheme
    QFrame* Bevel2;

    // Lays the band across the client area's width.
    void LayOut(int width) const;
    // The least width that shows every button of the panel, with the margin on their left
    // repeated on their right.
    int NeededWidth() const;
};

ToolBand CreateToolBand(QWidget& client);

// A bar that keeps the system's face colour, whatever the board's scheme paints around it.
void UseFaceColour(QWidget& bar);
