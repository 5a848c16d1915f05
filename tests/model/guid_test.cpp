// GUIDs in the Windows byte layout and their registry text.
#include "model/guid.h"

#include <gtest/gtest.h>

TEST(Guid, SignatureBytesAndTextMatchTheFormat) {
    const std::array<std::uint8_t, 16> expected{0x20, 0x5E, 0x90, 0x5B, 0xB8, 0x12, 0xD8, 0x11,
                                                0xB8, 0xBC, 0x00, 0x40, 0x05, 0xAA, 0x98, 0xB3};
    std::array<std::uint8_t, 16> bytes{};
    PuzzleSignature.ToBytes(bytes);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(Guid::FromBytes(expected), PuzzleSignature);
    EXPECT_EQ(GuidText(PuzzleSignature), "{5B905E20-12B8-11D8-B8BC-004005AA98B3}");
}

TEST(Guid, TextIsUpperCaseWithLeadingZeros) {
    const Guid guid{0x0000000A, 0x00B0, 0x0C00, {0, 1, 0xab, 0xcd, 0xef, 2, 3, 4}};
    const std::string text = GuidText(guid);
    EXPECT_EQ(text, "{0000000A-00B0-0C00-0001-ABCDEF020304}");
    EXPECT_EQ(text.size(), 38u);
}
