// The login name of the account the program runs as, from the password database.
#include "platform/user_name.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

std::string PasswordDatabaseName() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    // The suggested size is only a hint; a long entry asks for more room with ERANGE.
    constexpr std::size_t MaxBufferSize = 1 << 20;
    for (;;) {
        passwd entry{};
        passwd* found = nullptr;
        const int error = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < MaxBufferSize) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr || found->pw_name == nullptr)
            return {};
        return found->pw_name;
    }
}

std::string EnvironmentName() {
    for (const char* variable : {"USER", "LOGNAME"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

} // namespace

std::string UserName::LoginName() const {
    std::string name = PasswordDatabaseName();
    return name.empty() ? EnvironmentName() : name;
}
