// Where the logged-on user's name comes from, given to the code that records who played.
#pragma once

#include <string>

// An interface so that tests can name the player instead of depending on the account they run as.
class UserNameSource {
public:
    virtual ~UserNameSource() = default;

    // The login name in the system's own encoding, or empty when the system does not know it.
    virtual std::string LoginName() const = 0;
};
