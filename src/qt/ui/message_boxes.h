// Message boxes of the toolkit, modal to the whole application, titled with its name and owned by
// the window in use.
#pragma once

#include "ui/message_dialogs.h"

class MessageBoxes final : public MessageDialogs {
public:
    void Error(const QString& text) override;
    void Inform(const QString& text) override;
    bool ConfirmOkCancel(const QString& text) override;
    bool AskYesNo(const QString& text) override;
};
