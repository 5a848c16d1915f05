// Reading and writing REGEDIT4 text: the layout regedit imports, hostile names, damaged lines.
#include "settings/regedit_format.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using testing::Not;

namespace {

using Path = std::vector<std::string>;

const Path ColorSets{"Software", "Quorvane", "Color sets"};

RegistryHive& KeyAt(RegistryHive& hive, const Path& path) {
    return *hive.CreateKey(path);
}

void Set(RegistryHive& hive, const Path& path, std::string name, RegistryValueType type,
         std::string data) {
    KeyAt(hive, path).SetValue({std::move(name), type, std::move(data)});
}

// The value at the path, or an empty Binary value named "<missing>" when there is none.
RegistryValue ValueAt(const RegistryHive& hive, const Path& path, const std::string& name) {
    const RegistryHive* key = hive.FindKey(path);
    const RegistryValue* value = key ? key->FindValue(name) : nullptr;
    return value ? *value : RegistryValue{"<missing>", RegistryValueType::Binary, ""};
}

} // namespace

TEST(RegeditFormat, WritesTheLayoutRegeditImports) {
    RegistryHive hive;
    Set(hive, {"Software", "Quorvane"}, "Player", RegistryValueType::String, "Ann \"A\" C:\\");
    Set(hive, {"Software", "Quorvane"}, "Speed", RegistryValueType::Integer, {"\x3b\0\0\x80", 4});
    Set(hive, {"Software", "Quorvane"}, "", RegistryValueType::String, "default");
    Set(hive, {"Software", "Quorvane"}, "Note", RegistryValueType::String, "a\nb");
    Set(hive, {"Software", "Quorvane"}, "Zoom", RegistryValueType::Binary, {"\0\x01\xff", 3});
    Set(hive, {"Software", "Quorvane"}, "List", static_cast<RegistryValueType>(7), "x");
    Set(hive, {"Software", "Quorvane"}, "Long", RegistryValueType::Binary, std::string(30, 'A'));
    KeyAt(hive, {"software", "quorvane", "Empty"});

    EXPECT_EQ(RegeditText(hive), "REGEDIT4\r\n"
                                 "\r\n"
                                 "[HKEY_CURRENT_USER\\Software]\r\n"
                                 "\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Quorvane]\r\n"
                                 "@=\"default\"\r\n"
                                 "\"List\"=hex(7):78\r\n"
                                 "\"Long\"=hex:41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,41,"
                                 "41,41,41,41,41,41,\\\r\n"
                                 "  41,41,41,41,41,41,41,41\r\n"
                                 "\"Note\"=hex(1):61,0a,62,00\r\n"
                                 "\"Player\"=\"Ann \\\"A\\\" C:\\\\\"\r\n"
                                 "\"Speed\"=dword:8000003b\r\n"
                                 "\"Zoom\"=hex:00,01,ff\r\n"
                                 "\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Quorvane\\Empty]\r\n"
                                 "\r\n");
}

TEST(RegeditFormat, ReadsEveryValueForm) {
    struct Case {
        std::string line;
        RegistryValueType type;
        std::string data;
    };
    const std::vector<Case> cases = {
        {"\"V\"=\"plain\"", RegistryValueType::String, "plain"},
        {"\"V\" = \"a\\\\b\\\"c\"", RegistryValueType::String, "a\\b\"c"},
        {"\"V\"=\"odd \\q escape\"", RegistryValueType::String, "odd \\q escape"},
        {"\"V\"=hex(1):41,00,42,00", RegistryValueType::String, "A"},
        {"\"V\"=dword:0000003b", RegistryValueType::Integer, {"\x3b\0\0\0", 4}},
        {"\"V\"=DWORD:ffffffff", RegistryValueType::Integer, "\xff\xff\xff\xff"},
        {"\"V\"=dword:7", RegistryValueType::Integer, {"\x07\0\0\0", 4}},
        {"\"V\"=hex(4):01,02,03,04", RegistryValueType::Integer, "\x01\x02\x03\x04"},
        {"\"V\"=hex:", RegistryValueType::Binary, ""},
        {"\"V\"=hex: 0a , B, ff", RegistryValueType::Binary, "\x0a\x0b\xff"},
        {"\"V\"=hex:01,02,\\\n  03,\\\r\n  04", RegistryValueType::Binary, "\x01\x02\x03\x04"},
        {"\"V\"=hex(2):25,00", static_cast<RegistryValueType>(2), {"%\0", 2}},
        {"\"V\"=hex(ffffffff):", static_cast<RegistryValueType>(0xffffffff), ""},
    };
    for (const Case& c : cases) {
        const ParsedRegedit parsed =
            ParseRegedit("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n" + c.line + "\r\n");
        const RegistryValue expected{"V", c.type, c.data};
        EXPECT_EQ(ValueAt(parsed.Hive, {"K"}, "V"), expected) << c.line;
        EXPECT_EQ(parsed.SkippedLines, 0u) << c.line;
    }
}

TEST(RegeditFormat, LaterLinesOverrideAndSectionsMergeWithoutRegardToCase) {
    const ParsedRegedit parsed = ParseRegedit("REGEDIT4\n"
                                              "; a comment\n"
                                              "[hkey_current_user\\Software\\Game]\n"
                                              "\"Size\"=dword:00000001\n"
                                              "@=\"first\"\n"
                                              "[HKEY_CURRENT_USER\\SOFTWARE\\GAME\\Sub]\n"
                                              "[HKEY_CURRENT_USER\\software\\game]\n"
                                              "\"SIZE\"=\"now a string\"\n"
                                              "@=\"second\"\n");
    const RegistryHive* game = parsed.Hive.FindKey(Path{"software", "game"});
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->Name(), "Game");
    EXPECT_EQ(ValueAt(parsed.Hive, {"Software", "Game"}, "size"),
              (RegistryValue{"Size", RegistryValueType::String, "now a string"}));
    EXPECT_EQ(ValueAt(parsed.Hive, {"Software", "Game"}, "").Data, "second");
    EXPECT_NE(parsed.Hive.FindKey(Path{"Software", "Game", "sub"}), nullptr);
    EXPECT_EQ(parsed.SkippedLines, 0u);
}

TEST(RegeditFormat, HostileNamesAndStringsRoundTrip) {
    const std::vector<std::string> texts = {
        "quote \" and \\ backslash",
        "ends in backslash \\",
        "x]\n[HKEY_CURRENT_USER\\Software\\Other]",
        "x]\r\n\"Injected\"=\"value\"",
        "[HKEY_CURRENT_USER]",
        "\"=@",
        "tab\tcontrol\x01 and del\x7f",
        "%41 stays %41, %4 and %%0A too",
        "100% done",
        "ends in %",
        "high \x80\xe9\xff bytes",
        std::string("nul \0 inside", 12),
        "@",
        ";comment",
    };
    for (const std::string& text : texts) {
        // Key names cannot hold the separator, which is the only way in for a backslash.
        std::string keyName = text;
        std::ranges::replace(keyName, '\\', '/');
        RegistryHive hive;
        Set(hive, {"Software", "Quorvane", "Color sets", keyName}, text, RegistryValueType::String,
            text);
        Set(hive, {"Software", "Quorvane", "Color sets", keyName}, "Binary" + text,
            RegistryValueType::Binary, text);

        const std::string written = RegeditText(hive);
        const ParsedRegedit parsed = ParseRegedit(written);
        EXPECT_TRUE(parsed.Hive == hive) << written;
        EXPECT_EQ(parsed.SkippedLines, 0u) << written;
        EXPECT_EQ(parsed.Hive.FindKey(ColorSets)->Subkeys().size(), 1u) << written;
        EXPECT_EQ(parsed.Hive.Subkeys().size(), 1u) << written;
    }
}

TEST(RegeditFormat, OrdinaryNamesAreWrittenAsTheyAre) {
    RegistryHive hive;
    Set(hive, {"Software", "Quorvane", "100% done", "{5B905E20-12B8-11D8}"}, "Ann's [best] 50%",
        RegistryValueType::String, "C:\\Puzzles\\%USERPROFILE%");
    const std::string written = RegeditText(hive);
    EXPECT_THAT(written, HasSubstr("[HKEY_CURRENT_USER\\Software\\Quorvane\\100% done\\"
                                   "{5B905E20-12B8-11D8}]\r\n"
                                   "\"Ann's [best] 50%\"=\"C:\\\\Puzzles\\\\%USERPROFILE%\"\r\n"));
}

TEST(RegeditFormat, HostileNamesAreEscapedOnTheirOwnLine) {
    RegistryHive hive;
    Set(hive, {"x]\n[Other]"}, "a\tb%41\"", RegistryValueType::String, "\"[v]\"");
    EXPECT_EQ(RegeditText(hive), "REGEDIT4\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\x%5D%0A[Other%5D]\r\n"
                                 "\"a%09b%2541\\\"\"=\"\\\"[v]\\\"\"\r\n"
                                 "\r\n");
}

TEST(RegeditFormat, DamagedLinesAreSkippedAndTheRestKept) {
    struct Case {
        std::string damage;
        std::size_t skipped;
        bool afterKept; // whether the value after the damage still has its section
    };
    const std::vector<Case> cases = {
        {"garbage", 1, true},
        {"\"Unterminated=\"x\"", 1, true},
        {"\"V\"=\"unterminated", 1, true},
        {"\"V\"=\"trailing\" text", 1, true},
        {"\"V\"", 1, true},
        {"\"V\"=dword:12345678a", 1, true},
        {"\"V\"=dword:", 1, true},
        {"\"V\"=dword:xyz", 1, true},
        {"\"V\"=hex:0g", 1, true},
        {"\"V\"=hex:01,,02", 1, true},
        {"\"V\"=hex(:01", 1, true},
        {"\"V\"=hex(123456789):01", 1, true},
        {"\"V\"=hex:01,\\ junk", 1, true},
        {"\"V\"=str:x", 1, true},
        // Data cut short before the next value must not swallow that value.
        {"\"V\"=hex:01,\\", 1, true},
        {"[HKEY_CURRENT_USER\\Good", 2, false},
        {"[HKEY_CURRENT_USER\\Good\\\\Twice]\n\"Lost\"=\"x\"", 3, false},
        {"[HKEY_LOCAL_MACHINE\\Software]\n\"Lost\"=\"x\"", 3, false},
        {"[HKEY_CURRENT_USERS\\Good]", 2, false},
        {"[HKEY_CURRENT_USER\\A%5CB]", 2, false},
    };
    for (const Case& c : cases) {
        const std::string text = "REGEDIT4\n[HKEY_CURRENT_USER\\Good]\n\"Before\"=\"1\"\n" +
                                 c.damage + "\n\"After\"=\"2\"\n[HKEY_CURRENT_USER\\Next]\n" +
                                 "\"Last\"=dword:00000003\n";
        const ParsedRegedit parsed = ParseRegedit(text);
        EXPECT_EQ(parsed.SkippedLines, c.skipped) << c.damage;
        EXPECT_EQ(ValueAt(parsed.Hive, {"Good"}, "Before").Data, "1") << c.damage;
        EXPECT_EQ(ValueAt(parsed.Hive, {"Good"}, "After").Data == "2", c.afterKept) << c.damage;
        EXPECT_EQ(ValueAt(parsed.Hive, {"Next"}, "Last").Data, std::string("\x03\0\0\0", 4))
            << c.damage;
        EXPECT_EQ(ValueAt(parsed.Hive, {"Good"}, "V").Name, "<missing>") << c.damage;
        EXPECT_EQ(parsed.Hive.Subkeys().size(), 2u) << c.damage;
    }
}

TEST(RegeditFormat, MissingHeaderCountsAsDamageButSectionsAreRead) {
    const ParsedRegedit parsed = ParseRegedit("[HKEY_CURRENT_USER\\A]\n\"V\"=\"x\"\n");
    EXPECT_EQ(parsed.SkippedLines, 1u);
    EXPECT_EQ(ValueAt(parsed.Hive, {"A"}, "V").Data, "x");
    EXPECT_EQ(ParseRegedit("").SkippedLines, 0u);
}

TEST(RegeditFormat, KeysDeeperThanWindowsAllowsAreSkipped) {
    std::string deepest = "[HKEY_CURRENT_USER";
    for (std::size_t i = 0; i < RegistryHive::MaxDepth; ++i)
        deepest += "\\k";
    const ParsedRegedit parsed =
        ParseRegedit("REGEDIT4\n" + deepest + "]\n" + deepest + "\\tooDeep]\n\"V\"=\"x\"\n");
    EXPECT_EQ(parsed.SkippedLines, 2u);
    EXPECT_THAT(RegeditText(parsed.Hive), Not(HasSubstr("tooDeep")));
    EXPECT_TRUE(ParseRegedit(RegeditText(parsed.Hive)).Hive == parsed.Hive);
}
