// Windows-1252 conversion and its upper-case letters.
#include "base/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, ConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"Plain ASCII", "Plain ASCII"},
        {"caf\xC3\xA9", "caf\xE9"}, // é, Latin-1 range
        {"\xE2\x82\xAC"
         "5",
         "\x80"
         "5"},                                      // €
        {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"}, // curly quotes
        {"\xC5\xA0"
         "\xC5\x93"
         "\xC5\xB8",
         "\x8A\x9C\x9F"},     // Š œ Ÿ
        {"\xC3\xBF", "\xFF"}, // ÿ
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1252FromUtf8(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(Utf8FromCp1252(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(CodePage, CharactersOutsideThePageBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252FromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"), "??"); // two CJK characters
    EXPECT_EQ(Cp1252FromUtf8("a\xF0\x9F\x98\x80z"), "a?z");      // an emoji, four bytes
    EXPECT_EQ(Cp1252FromUtf8("\xC2\x81"), "\x81");               // undefined slot kept as control
}

TEST(CodePage, MalformedUtf8NeverReadsPastTheEnd) {
    EXPECT_EQ(Cp1252FromUtf8("ab\xC3"), "ab?");
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x82"), "??");
    EXPECT_EQ(Cp1252FromUtf8("\xFF\xFE"), "??");
    EXPECT_EQ(Cp1252FromUtf8("\xC3(x"), "?(x");
    EXPECT_EQ(Cp1252FromUtf8("\xC0\xBC"), "??"); // an overlong '<'
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
}

TEST(CodePage, UpperCaseCoversTheLettersOfThePage) {
    EXPECT_EQ(Cp1252UpperCase('q'), 'Q');
    EXPECT_EQ(Cp1252UpperCase('Q'), 'Q');
    EXPECT_EQ(Cp1252UpperCase('5'), '5');
    EXPECT_EQ(Cp1252UpperCase('\xE9'), '\xC9'); // é
    EXPECT_EQ(Cp1252UpperCase('\x9A'), '\x8A'); // š
    EXPECT_EQ(Cp1252UpperCase('\xFF'), '\x9F'); // ÿ
    EXPECT_EQ(Cp1252UpperCase('\xF7'), '\xF7'); // ÷ is no letter
    EXPECT_EQ(Cp1252UpperCase('\xDF'), '\xDF'); // ß has no single upper case
}
