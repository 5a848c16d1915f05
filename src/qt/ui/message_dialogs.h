// The modal message boxes a window shows, given to it so that tests can answer them.
#pragma once

#include <QString>

class MessageDialogs {
public:
    virtual ~MessageDialogs() = default;
    // An error with an OK button.
    virtual void Error(const QString& text) = 0;
    // A report with an OK button and the information icon; shown as an error where a set of
    // boxes offers nothing gentler.
    virtual void Inform(const QString& text) { Error(text); }
    // A question with OK and Cancel; true for OK.
    virtual bool ConfirmOkCancel(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
};
