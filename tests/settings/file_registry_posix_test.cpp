// Where the Linux program keeps its registry file.
#include "settings/file_registry.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

TEST(FileRegistry, DefaultPathFollowsXdgConfigHome) {
    struct Case {
        const char* xdg;
        const char* home;
        std::filesystem::path expected;
    };
    const std::vector<Case> cases = {
        {"/x/conf", "/home/ann", "/x/conf/Quorvane/HKCU.reg"},
        {nullptr, "/home/ann", "/home/ann/.config/Quorvane/HKCU.reg"},
        {"", "/home/ann", "/home/ann/.config/Quorvane/HKCU.reg"},
        {"relative/conf", "/home/ann", "/home/ann/.config/Quorvane/HKCU.reg"},
    };
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::optional<std::string> xdgBefore =
        savedXdg ? std::optional<std::string>(savedXdg) : std::nullopt;
    const std::optional<std::string> homeBefore =
        savedHome ? std::optional<std::string>(savedHome) : std::nullopt;
    for (const Case& c : cases) {
        c.xdg ? setenv("XDG_CONFIG_HOME", c.xdg, 1) : unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", c.home, 1);
        EXPECT_EQ(DefaultRegistryPath(), c.expected) << (c.xdg ? c.xdg : "unset");
    }
    xdgBefore ? setenv("XDG_CONFIG_HOME", xdgBefore->c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    homeBefore ? setenv("HOME", homeBefore->c_str(), 1) : unsetenv("HOME");
}
