// Random, mutated and truncated REGEDIT4 text from a fixed seed: the parser never fails, and
// what it kept reads back the same after writing.
#include "settings/regedit_format.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// A file that touches every form the parser knows, hostile names included.
std::string SeedText() {
    RegistryHive hive;
    RegistryHive& key = *hive.CreateKey(std::vector<std::string>{"Software", "Quorvane"});
    key.SetValue({"Player", RegistryValueType::String, "Ann \"A\" C:\\ 100%"});
    key.SetValue({"Note", RegistryValueType::String, "a\nb\r\n[HKEY_CURRENT_USER\\X]"});
    key.SetValue({"Speed", RegistryValueType::Integer, "\x3b\x00\x00\x80"});
    key.SetValue({"", RegistryValueType::Binary, std::string(40, '\xab')});
    key.SetValue({"Odd\t]%41", static_cast<RegistryValueType>(0x2a), "xyz"});
    RegistryHive& scheme =
        *key.CreateKey(std::vector<std::string>{"Color sets", "x]\n[Software", "Other]"});
    scheme.SetValue({"Cells", RegistryValueType::Integer, "\x03\x00\x00\x00"});
    return RegeditText(hive) + "; comment\n\"V\"=hex(1):41,\\\n 42,00\n";
}

// Bytes that mean something to the parser, so mutations reach past the first check.
constexpr std::string_view Syntax = "[]\\\"=@:,;%()\r\n\t 0aF9xhexdwordHKEY_CURRENT_USER";

std::string Mutated(std::string text, std::mt19937& random) {
    const int edits = std::uniform_int_distribution(1, 8)(random);
    for (int edit = 0; edit < edits && !text.empty(); ++edit) {
        const std::size_t at =
            std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
        const char syntax =
            Syntax[std::uniform_int_distribution<std::size_t>(0, Syntax.size() - 1)(random)];
        switch (std::uniform_int_distribution(0, 4)(random)) {
        case 0:
            text[at] = syntax;
            break;
        case 1:
            text.insert(at, 1, syntax);
            break;
        case 2:
            text.erase(at, std::uniform_int_distribution<std::size_t>(1, 16)(random));
            break;
        case 3:
            text[at] = static_cast<char>(random());
            break;
        default:
            text.resize(at);
            break;
        }
    }
    return text;
}

std::string RandomBytes(std::mt19937& random) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, 300)(random), '\0');
    const bool syntaxOnly = random() % 2 == 0;
    for (char& c : text)
        c = syntaxOnly ? Syntax[random() % Syntax.size()] : static_cast<char>(random());
    return (random() % 2 == 0 ? "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n" : "") + text;
}

void ExpectStableRoundTrip(const std::string& input) {
    const ParsedRegedit parsed = ParseRegedit(input);
    const std::string written = RegeditText(parsed.Hive);
    const ParsedRegedit again = ParseRegedit(written);
    ASSERT_TRUE(again.Hive == parsed.Hive) << "input:\n" << input << "\nwritten:\n" << written;
    ASSERT_EQ(again.SkippedLines, 0u) << written;
    ASSERT_EQ(RegeditText(again.Hive), written);
}

// The prefix, count copies of c, then the suffix. Built by appending: GCC 12 warns falsely about
// the insert that "text" + std::string(...) makes.
std::string Repeated(std::string_view prefix, std::size_t count, char c,
                     std::string_view suffix = {}) {
    std::string text(prefix);
    text.append(count, c);
    text.append(suffix);
    return text;
}

} // namespace

TEST(RegeditParserFuzz, MutatedAndRandomInputsRoundTripWhatWasKept) {
    std::mt19937 random(20240611);
    const std::string seed = SeedText();
    ExpectStableRoundTrip(seed);
    for (int round = 0; round < 3000; ++round) {
        ExpectStableRoundTrip(Mutated(seed, random));
        ExpectStableRoundTrip(RandomBytes(random));
        ExpectStableRoundTrip(seed.substr(0, random() % (seed.size() + 1)));
    }
}

// Each would take minutes if some step were quadratic in the line's length.
TEST(RegeditParserFuzz, LongLinesParseInOnePass) {
    const std::size_t length = 2'000'000;
    const std::vector<std::string> bodies = {
        Repeated("[HKEY_CURRENT_USER", length, '\\', "]"),
        Repeated("[HKEY_CURRENT_USER\\", length, '%', "\\\\]"),
        Repeated("\"", length, '\\'),
        Repeated("\"V\"=\"", length, '"'),
        Repeated("\"V\"=hex:", length, '\\'),
        Repeated("\"V\"=hex(", length, '0'),
        Repeated("\"V\"=dword:", length, 'f'),
        Repeated("\"V\"=hex:0\\\n", length / 4, '0', "\\\n") + std::string(length, '\n'),
    };
    for (const std::string& body : bodies) {
        const ParsedRegedit parsed = ParseRegedit("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n" + body);
        EXPECT_GT(parsed.SkippedLines, 0u) << body.substr(0, 20);
        EXPECT_NE(parsed.Hive.FindKey(std::vector<std::string>{"K"}), nullptr);
    }
}

TEST(RegeditParserFuzz, ManyContinuedHexLinesAndSectionsStayLinear) {
    std::string text = "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"V\"=hex:00";
    for (int line = 0; line < 200'000; ++line)
        text += ",\\\n  01";
    text += "\n";
    for (int section = 0; section < 50'000; ++section)
        text += "[HKEY_CURRENT_USER\\K\\" + std::to_string(section % 100) + "]\n\"A\"=\"b\"\n";
    const ParsedRegedit parsed = ParseRegedit(text);
    EXPECT_EQ(parsed.SkippedLines, 0u);
    const RegistryHive* key = parsed.Hive.FindKey(std::vector<std::string>{"K"});
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->FindValue("V")->Data.size(), 200'001u);
    EXPECT_EQ(key->Subkeys().size(), 100u);
}
