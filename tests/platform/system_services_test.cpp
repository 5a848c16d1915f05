// The services the program takes from the system: identifiers and the user's name.
#include "platform/random_guid_source.h"
#include "platform/user_name.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(RandomGuidSource, IdentifiersAreDistinctVersion4) {
    RandomGuidSource source;
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const Guid guid = source.NewGuid();
        EXPECT_EQ(guid.Data3 >> 12, 4) << GuidText(guid);
        // The variant of RFC 4122: the top two bits of the first byte of Data4 are 10.
        EXPECT_EQ(guid.Data4[0] & 0xC0, 0x80) << GuidText(guid);
        EXPECT_TRUE(seen.insert(GuidText(guid)).second) << GuidText(guid);
    }
}

#ifdef _WIN32
TEST(UserName, IsTheNameWindowsGivesTheAccount) {
    const char* account = std::getenv("USERNAME");
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(UserName().LoginName(), account);
}
#endif

} // namespace
