// Message boxes of the toolkit, modal to the whole application and titled with its name.
#pragma once

#include "game/message_dialogs.h"

class MessageBoxes final : public MessageDialogs {
public:
    void Error(const QString& text) override;
    void Inform(const QString& text) override;
    bool ConfirmOkCancel(const QString& text) override;
    bool AskYesNo(const QString& text) override;
};
