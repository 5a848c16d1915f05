// GUID texts read back into the four fields they were written from.
#include "guid_parse.h"

#include <gtest/gtest.h>

namespace {

TEST(GuidParseTest, TextRoundTripsInEitherCaseWithOrWithoutBraces) {
    const Guid guid{0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}};
    const std::string text = GuidText(guid);
    EXPECT_EQ(ParseGuidText(text), guid);
    EXPECT_EQ(ParseGuidText("0123abcd-4567-89ef-fedc-ba9876543210"), guid);
    EXPECT_EQ(ParseGuidText(GuidText(PuzzleSignature)), PuzzleSignature);
}

TEST(GuidParseTest, OtherTextsAreRefused) {
    for (const char* text :
         {"", "{}", "0123ABCD-4567-89EF-FEDC-BA987654321", "0123ABCD-4567-89EF-FEDC-BA98765432100",
          "{0123ABCD-4567-89EF-FEDC-BA9876543210", "0123ABCD+4567-89EF-FEDC-BA9876543210",
          "0123ABCG-4567-89EF-FEDC-BA9876543210"})
        EXPECT_FALSE(ParseGuidText(text)) << text;
}

} // namespace
