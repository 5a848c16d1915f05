// The dialog that congratulates the player on a solved puzzle, as the main window uses it.
#pragma once

#include <QString>

class CongratulationsDialog {
public:
    virtual ~CongratulationsDialog() = default;
    // Shows the text with "Register this puzzle as solved." ticked; true when it is still ticked
    // as the dialog closes.
    virtual bool Congratulate(const QString& text) = 0;
};
