// The login name of the account the program runs as.
#pragma once

#include "platform/user_name_source.h"

// In UTF-8. On Windows the name GetUserNameW gives; elsewhere the password database's name of the
// effective user, or when it has no entry (a container running under an unnamed uid, say) $USER
// and then $LOGNAME.
class UserName final : public UserNameSource {
public:
    std::string LoginName() const override;
};
