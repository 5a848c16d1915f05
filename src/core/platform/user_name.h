// The login name of the account the program runs as.
#pragma once

#include "platform/user_name_source.h"

// Asks the password database about the effective user and, when it has no entry (a container
// running under an unnamed uid, say), falls back to $USER and then $LOGNAME.
class UserName final : public UserNameSource {
public:
    std::string LoginName() const override;
};
