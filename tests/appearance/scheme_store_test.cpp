// The stored colour schemes: names the store accepts, what a save writes, listing and deleting,
// and the scheme list's entries with the colours each stands for.
#include "appearance/freezable_registry.h"
#include "appearance/scheme_list.h"
#include "appearance/scheme_store.h"
#include "settings/memory_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string ColorSets = "Software\\Quorvane\\Color sets";

ColourSet Numbered(ColourValue first) {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = first + static_cast<ColourValue>(role) * 0x010101;
    return colours;
}

std::vector<std::string> SchemeKeys(RegistryStore& registry) {
    const std::unique_ptr<RegistryKey> schemes = registry.OpenKey(ColorSets, false);
    return schemes ? schemes->SubkeyNames() : std::vector<std::string>{};
}

} // namespace

TEST(SchemeStoreTest, SaveWritesEveryRoleUnderItsNameAndOverwrites) {
    MemoryRegistry registry;
    ASSERT_EQ(SaveScheme(registry, "Autumn", Numbered(0x100)).Outcome, SchemeSave::Saved);
    const SchemeSaveResult again = SaveScheme(registry, "AUTUMN", Numbered(0x200));
    EXPECT_EQ(again.Outcome, SchemeSave::Saved);

    // The key keeps the spelling it was created with; the second save's colours replace the first.
    EXPECT_THAT(SchemeKeys(registry), ElementsAre("Autumn"));
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(ColorSets + "\\Autumn", false);
    const char* const roleNames[] = {
        "Window Background",   "Central Board",    "Left & Top Board", "Single Line",
        "Double Line",         "Excluded Cell",    "Marked Cell",      "Finalised Cell",
        "Finalised Axis Font", "Marked Axis Font", "Normal Axis Font",
    };
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        EXPECT_EQ(key->ReadInteger(roleNames[role]), Numbered(0x200)[role]) << roleNames[role];
    EXPECT_EQ(ReadStoredScheme(registry, "autumn"), Numbered(0x200));
}

// Every refused name was once taken for a missing one, and other letter cases of the bracketed
// entries were refused too. Only the exact bracketed spellings are no names; a name the registry
// cannot hold as one key is refused with its own reason.
TEST(SchemeStoreTest, RefusedNamesWereAllTakenForMissingOnes) {
    struct Case {
        std::string Name;
        SchemeNameFault Fault;
    };
    const std::string e255(255, 'e');
    std::string accented255;
    for (int i = 0; i < 255; ++i)
        accented255 += "\xC3\xA9"; // two bytes here, one character in the registry
    const Case cases[] = {
        {"", SchemeNameFault::Missing},
        {"[Current]", SchemeNameFault::Missing},
        {"[Default]", SchemeNameFault::Missing},
        {"Warm\\Cold", SchemeNameFault::HoldsSeparator},
        {"\\", SchemeNameFault::HoldsSeparator},
        {e255 + "e", SchemeNameFault::TooLong},
        {accented255 + "e", SchemeNameFault::TooLong},
        {e255, SchemeNameFault::None},
        {accented255, SchemeNameFault::None},
        {"[current]", SchemeNameFault::None},
        {"[DEFAULT]", SchemeNameFault::None},
        {"[Current] copy", SchemeNameFault::None},
        {" spaced ", SchemeNameFault::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        MemoryRegistry registry;
        const SchemeSaveResult saved = SaveScheme(registry, c.Name, DefaultScheme);
        EXPECT_EQ(SchemeNameFaultOf(c.Name), c.Fault);
        EXPECT_EQ(saved.Fault, c.Fault);
        EXPECT_EQ(saved.Outcome,
                  c.Fault == SchemeNameFault::None ? SchemeSave::Saved : SchemeSave::NameRefused);
        EXPECT_EQ(SchemeKeys(registry).size(), c.Fault == SchemeNameFault::None ? 1U : 0U);
    }
    EXPECT_EQ(SchemeNameFaultText(SchemeNameFault::Missing),
              "You must provide a name for this color scheme.");
    EXPECT_EQ(SchemeNameFaultText(SchemeNameFault::HoldsSeparator),
              "A color scheme name cannot contain \"\\\".");
    EXPECT_EQ(SchemeNameFaultText(SchemeNameFault::TooLong),
              "A color scheme name can be at most 255 characters long.");
    EXPECT_EQ(SchemeNameFaultText(SchemeNameFault::None), "");
}

TEST(SchemeStoreTest, NameOutsideTheCodePageIsListedAsStored) {
    MemoryRegistry registry;
    const SchemeSaveResult saved = SaveScheme(registry, "\xCE\xA9mega", DefaultScheme); // "Ωmega"
    EXPECT_EQ(saved.Outcome, SchemeSave::Saved);
    EXPECT_EQ(saved.StoredName, "?mega");
    EXPECT_THAT(StoredSchemeNames(registry), ElementsAre("?mega"));
}

TEST(SchemeStoreTest, RefusedWriteIsReported) {
    FreezableRegistry registry;
    registry.Frozen = true;
    EXPECT_EQ(SaveScheme(registry, "Autumn", DefaultScheme).Outcome, SchemeSave::WriteFailed);
}

TEST(SchemeStoreTest, ListingCreatesTheKeyAndFollowsEnumerationOrder) {
    MemoryRegistry registry;
    EXPECT_THAT(StoredSchemeNames(registry), IsEmpty());
    EXPECT_TRUE(registry.KeyExists(ColorSets));
    for (const char* name : {"beta", "Gamma", "alpha"})
        SaveScheme(registry, name, DefaultScheme);
    EXPECT_THAT(StoredSchemeNames(registry), ElementsAre("alpha", "beta", "Gamma"));
}

// An empty name or a '\' would reach the schemes key itself or a key below a scheme.
TEST(SchemeStoreTest, DeleteRemovesOnlyTheNamedScheme) {
    MemoryRegistry registry;
    SaveScheme(registry, "Autumn", DefaultScheme);
    SaveScheme(registry, "Winter", DefaultScheme);
    registry.OpenKey(ColorSets + "\\Winter\\Inner", true);

    EXPECT_FALSE(DeleteStoredScheme(registry, ""));
    EXPECT_FALSE(DeleteStoredScheme(registry, "Winter\\Inner"));
    EXPECT_FALSE(DeleteStoredScheme(registry, "Spring"));
    EXPECT_TRUE(registry.KeyExists(ColorSets + "\\Winter\\Inner"));
    EXPECT_THAT(SchemeKeys(registry), ElementsAre("Autumn", "Winter"));

    EXPECT_TRUE(DeleteStoredScheme(registry, "WINTER"));
    EXPECT_THAT(SchemeKeys(registry), ElementsAre("Autumn"));

    // "[Default]" is no scheme, though the registry would find the key "[default]" by it.
    SaveScheme(registry, "[default]", DefaultScheme);
    EXPECT_FALSE(DeleteStoredScheme(registry, "[Default]"));
    EXPECT_THAT(SchemeKeys(registry), ElementsAre("Autumn", "[default]"));
}

TEST(SchemeListTest, EntriesCompareIgnoringCaseAndStayUnique) {
    SchemeList list({"Autumn"});
    EXPECT_THAT(list.Entries(), ElementsAre("[Current]", "[Default]", "Autumn"));
    EXPECT_EQ(list.Find("[default]"), 1U);
    EXPECT_EQ(list.Find("AUTUMN"), 2U);
    EXPECT_EQ(list.Find("Autumn "), std::nullopt);

    EXPECT_EQ(list.Add("autumn"), 2U);
    EXPECT_EQ(list.Add("Winter"), 3U);
    EXPECT_THAT(list.Entries(), ElementsAre("[Current]", "[Default]", "Autumn", "Winter"));

    EXPECT_EQ(list.StoredSchemeOf("[Current]"), std::nullopt);
    EXPECT_EQ(list.StoredSchemeOf("Typed"), std::nullopt);
    EXPECT_EQ(list.StoredSchemeOf("winter"), "Winter");

    EXPECT_EQ(list.Remove("[Default]"), std::nullopt);
    EXPECT_EQ(list.Remove("AUTUMN"), 2U);
    EXPECT_THAT(list.Entries(), ElementsAre("[Current]", "[Default]", "Winter"));
}

// A scheme stored as "[default]" once could not be picked, applied or removed: the list found the
// bracketed entry by it. Each now keeps its own spelling, and the stored scheme its key's cases.
TEST(SchemeListTest, SchemeNamedLikeABracketedEntryWasTakenForIt) {
    SchemeList list;
    EXPECT_EQ(list.Find("[default]"), 1U);
    EXPECT_EQ(list.Add("[default]"), 2U);
    EXPECT_THAT(list.Entries(), ElementsAre("[Current]", "[Default]", "[default]"));
    EXPECT_EQ(list.Find("[Default]"), 1U);
    EXPECT_EQ(list.Find("[default]"), 2U);
    EXPECT_EQ(list.Find("[DEFAULT]"), 2U);
    EXPECT_EQ(list.Find("[current]"), 0U);
    EXPECT_EQ(list.StoredSchemeOf("[DEFAULT]"), "[default]");
    EXPECT_EQ(list.StoredSchemeOf("[Default]"), std::nullopt);
    EXPECT_EQ(list.Add("[DEFAULT]"), 2U);
    EXPECT_EQ(list.Remove("[Default]"), std::nullopt);
    EXPECT_EQ(list.Remove("[default]"), 2U);
    EXPECT_THAT(list.Entries(), ElementsAre("[Current]", "[Default]"));
}

// Only the exact bracketed spellings are the two unstored entries; any other name is a key.
TEST(SchemeListTest, NameGivesBoardDefaultOrStoredColours) {
    MemoryRegistry registry;
    const ColourSet board = Numbered(0x10);
    SaveScheme(registry, "Autumn", Numbered(0x20));
    registry.OpenKey(ColorSets + "\\[default]", true)->WriteInteger("Central Board", 7);
    ColourSet lowerDefault = DefaultScheme;
    lowerDefault[static_cast<std::size_t>(ColourRole::CentralBoard)] = 7;

    EXPECT_EQ(SchemeColours(registry, "", board), board);
    EXPECT_EQ(SchemeColours(registry, "[Current]", board), board);
    EXPECT_EQ(SchemeColours(registry, "[Default]", board), DefaultScheme);
    EXPECT_EQ(SchemeColours(registry, "[default]", board), lowerDefault);
    EXPECT_EQ(SchemeColours(registry, "aUTUMN", board), Numbered(0x20));
    EXPECT_EQ(SchemeColours(registry, "Spring", board), std::nullopt);
}
