// The framed prompt the main window shows instead of a hidden board.
#pragma once

#include <QString>

class QPainter;
class QRect;

// Centred in the area: a raised frame in the system's face colour, the program's icon at its
// left and the text in 12-point Arial.
void DrawMessagePanel(QPainter& painter, const QRect& area, const QString& text);
