// Where the per-user registry file lies on Linux.
#include "settings/file_registry.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

std::filesystem::path DefaultRegistryPath() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"))
        config = xdg;
    if (!config.is_absolute()) {
        const char* home = std::getenv("HOME");
        if (home == nullptr || *home == '\0') {
            const passwd* user = ::getpwuid(::getuid());
            home = user != nullptr ? user->pw_dir : "";
        }
        config = std::filesystem::path(home) / ".config";
    }
    return config / "Quorvane" / "HKCU.reg";
}
