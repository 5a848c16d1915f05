// The built-in board colours and the loading of the scheme named by ColorSet.
#include "appearance/scheme_store.h"
#include "settings/memory_registry.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string Settings = "Software\\Quorvane";
const std::string ColorSets = "Software\\Quorvane\\Color sets";

// A registry the user may not touch: every open fails.
class RefusingRegistry final : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> OpenKey(std::string_view, bool) override { return nullptr; }
    bool KeyExists(std::string_view) override { return false; }
    bool DeleteKey(std::string_view) override { return false; }
    bool WriteValues(std::string_view, std::span<const RegistryWrite>) override { return false; }
};

// Distinct from the defaults in every role, so a role read from the wrong place shows.
ColourSet StoredColours() {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = 0x00010203 * static_cast<ColourValue>(role + 1);
    return colours;
}

void StoreScheme(RegistryStore& registry, const std::string& keyPath, const ColourSet& colours) {
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(keyPath, true);
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        key->WriteInteger(ColourRoleName(static_cast<ColourRole>(role)), colours[role]);
}

std::size_t Index(ColourRole role) {
    return static_cast<std::size_t>(role);
}

} // namespace

TEST(ColourSchemeTest, DefaultSchemeHoldsTheBuiltInColoursUnderTheirNames) {
    struct Case {
        ColourRole Role;
        std::string_view Name;
        ColourValue Colour;
    };
    const Case cases[] = {
        {ColourRole::WindowBackground, "Window Background", 0x00C5C1B1},
        {ColourRole::CentralBoard, "Central Board", 0x00D9FFFF},
        {ColourRole::LeftAndTopBoard, "Left & Top Board", 0x00C0C0C0},
        {ColourRole::SingleLine, "Single Line", 0x00B88F9E},
        {ColourRole::DoubleLine, "Double Line", 0x00466D79},
        {ColourRole::ExcludedCell, "Excluded Cell", 0x000000FF},
        {ColourRole::MarkedCell, "Marked Cell", 0x00008000},
        {ColourRole::FinalisedCell, "Finalised Cell", 0x00000000},
        {ColourRole::FinalisedAxisFont, "Finalised Axis Font", 0x000000FF},
        {ColourRole::MarkedAxisFont, "Marked Axis Font", 0x00008000},
        {ColourRole::NormalAxisFont, "Normal Axis Font", 0x00000000},
    };
    ASSERT_EQ(std::size(cases), ColourRoleCount);
    for (std::size_t i = 0; i < ColourRoleCount; ++i) {
        SCOPED_TRACE(cases[i].Name);
        EXPECT_EQ(Index(cases[i].Role), i);
        EXPECT_EQ(ColourRoleName(cases[i].Role), cases[i].Name);
        EXPECT_EQ(DefaultScheme[i], cases[i].Colour);
    }
}

TEST(ColourSchemeTest, EmptyRegistryGivesDefaultsAndGainsOnlyTheSettingsKey) {
    MemoryRegistry registry;
    const LoadedColours loaded = LoadBoardColours(registry);
    EXPECT_EQ(loaded.BoardColours, DefaultScheme);
    EXPECT_EQ(loaded.ActiveSchemeName, "");
    EXPECT_THAT(registry.OpenKey("", false)->SubkeyNames(), ElementsAre("Software"));
    EXPECT_THAT(registry.OpenKey("Software", false)->SubkeyNames(), ElementsAre("Quorvane"));
    const std::unique_ptr<RegistryKey> settings = registry.OpenKey(Settings, false);
    ASSERT_NE(settings, nullptr);
    EXPECT_THAT(settings->SubkeyNames(), IsEmpty());
    EXPECT_EQ(settings->ReadString("ColorSet"), std::nullopt);
    EXPECT_EQ(settings->ReadInteger("ColorSet"), std::nullopt);
}

TEST(ColourSchemeTest, UnopenableRegistryGivesDefaults) {
    RefusingRegistry registry;
    const LoadedColours loaded = LoadBoardColours(registry);
    EXPECT_EQ(loaded.BoardColours, DefaultScheme);
    EXPECT_EQ(loaded.ActiveSchemeName, "");
}

// Scheme key names ignore case like every registry name; only the exact text "[Default]" is the
// built-in scheme, and an empty name must not fall through to the "Color sets" key itself.
TEST(ColourSchemeTest, ColorSetChoosesTheStoredSchemeItNames) {
    struct Case {
        std::string_view Title;
        std::string ColorSet;
        std::string StoredUnder; // the key holding StoredColours()
        bool UsesStored;
    };
    const Case cases[] = {
        {"other letter case", "Autumn", ColorSets + "\\AUTUMN", true},
        {"exact [Default] despite a key of that name", "[Default]", ColorSets + "\\[Default]",
         false},
        {"lower-case [default] is a scheme name", "[default]", ColorSets + "\\[Default]", true},
        {"lower-case [default] without its key", "[default]", ColorSets + "\\Other", false},
        {"missing scheme key", "Gone", ColorSets + "\\Other", false},
        {"empty name", "", ColorSets, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Title);
        MemoryRegistry registry;
        registry.OpenKey(Settings, true)->WriteString("ColorSet", c.ColorSet);
        StoreScheme(registry, c.StoredUnder, StoredColours());

        const LoadedColours loaded = LoadBoardColours(registry);
        EXPECT_EQ(loaded.BoardColours, c.UsesStored ? StoredColours() : DefaultScheme);
        EXPECT_EQ(loaded.ActiveSchemeName, c.ColorSet);
    }
}

TEST(ColourSchemeTest, ColorSetOfAnotherTypeNamesTheDefaultScheme) {
    const std::uint8_t bytes[] = {'A', 'u'};
    const std::function<void(RegistryKey&)> writes[] = {
        [](RegistryKey& key) { key.WriteInteger("ColorSet", 1); },
        [&](RegistryKey& key) { key.WriteBinary("ColorSet", bytes); },
    };
    for (const auto& write : writes) {
        MemoryRegistry registry;
        write(*registry.OpenKey(Settings, true));
        StoreScheme(registry, ColorSets + "\\Au", StoredColours());

        const LoadedColours loaded = LoadBoardColours(registry);
        EXPECT_EQ(loaded.BoardColours, DefaultScheme);
        EXPECT_EQ(loaded.ActiveSchemeName, "[Default]");
        // The odd value stays as it was: loading never rewrites ColorSet.
        EXPECT_EQ(registry.OpenKey(Settings, false)->ReadString("ColorSet"), std::nullopt);
    }
}

TEST(ColourSchemeTest, MissingOrMistypedSchemeValueTakesThatRolesDefault) {
    MemoryRegistry registry;
    registry.OpenKey(Settings, true)->WriteString("ColorSet", "Partial");
    const std::unique_ptr<RegistryKey> scheme = registry.OpenKey(ColorSets + "\\Partial", true);
    ColourSet expected = StoredColours();
    for (std::size_t role = 0; role < ColourRoleCount; ++role) {
        const std::string_view name = ColourRoleName(static_cast<ColourRole>(role));
        if (role == Index(ColourRole::SingleLine))
            expected[role] = DefaultScheme[role];
        else if (role == Index(ColourRole::ExcludedCell)) {
            scheme->WriteString(name, std::to_string(expected[role]));
            expected[role] = DefaultScheme[role];
        } else
            scheme->WriteInteger(name, expected[role]);
    }

    EXPECT_EQ(LoadBoardColours(registry).BoardColours, expected);
}

TEST(ColourSchemeTest, AllZeroSchemeIsNotMistakenForMissingValues) {
    MemoryRegistry registry;
    registry.OpenKey(Settings, true)->WriteString("ColorSet", "Night");
    StoreScheme(registry, ColorSets + "\\Night", ColourSet{});

    EXPECT_EQ(LoadBoardColours(registry).BoardColours, ColourSet{});
}
