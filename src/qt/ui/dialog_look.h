// The look the program's dialogs share: a fixed frame with a close box, and the program's icon.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// Arial of 11 pixels (8 points at 96 dots per inch), the face every window is designed in.
QFont DesignedFont();

// Caption, a client area of a fixed size that cannot be resized, and the designed font; centred
// on every showing.
void SetUpFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize);

// Centres the window's frame on the available area of the screen its owner is on.
void CentreFrameOnScreen(QWidget& window);

// Each time the window is shown its frame is centred on the available area of the screen its
// owner is on, in the same place every time.
void CentreOnEveryShowing(QWidget& window);

// A picture holding the program's 32 x 32 icon at the top left of the area.
QLabel* AddProgramIcon(QWidget& parent, const QRect& area);
