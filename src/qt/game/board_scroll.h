// The scroll bars of a board larger than the screen: the main window is capped to the screen's
// free area and the board scrolls under the tool band; a board that fits never scrolls.
#pragma once

#include <QPoint>
#include <QSize>

class QScrollBar;
class QWheelEvent;
class QWidget;

class BoardScroll {
public:
    // The bars are children of the client area, named HorizontalScroll and VerticalScroll; a
    // moved bar repaints the client area.
    explicit BoardScroll(QWidget& client);

    // The client size for a board client of the wanted size where at most available fits, with
    // the bars placed between the band above (top rows) and the status bar below (bottom rows).
    QSize Fit(QSize wanted, QSize available, int top, int bottom);
    // How far the board is scrolled; zero while the whole board shows.
    QPoint Offset() const;
    // The wheel scrolls down and up; a sideways wheel or Shift scrolls across.
    void Wheel(QWheelEvent& wheel) const;

private:
    QScrollBar* Across;
    QScrollBar* Down;
};
