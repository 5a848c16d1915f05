// What every registry store does alike, checked on each: in memory, in a file and, on Windows, in
// the real registry, which the others must follow.
#include "settings/file_registry.h"
#include "settings/memory_registry.h"
#include "settings/registry_path.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include "settings/test_registry_key.h"
#include "settings/windows_registry.h"
#endif

#include <bit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::Each;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Optional;

namespace {

const std::string ColorSets = "Software\\Quorvane\\Color sets";

// Where one test's registry lives. Each Open gives a new store on it, as a later run of the
// program would have; the memory store has only the one.
class MemoryPlace {
public:
    RegistryStore& Open() { return Registry; }

private:
    MemoryRegistry Registry;
};

class FilePlace {
public:
    RegistryStore& Open() {
        return *Stores.emplace_back(std::make_unique<FileRegistry>(Folder / "HKCU.reg"));
    }

private:
    TempFolder Folder;
    std::vector<std::unique_ptr<RegistryStore>> Stores;
};

#ifdef _WIN32
class WindowsPlace {
public:
    RegistryStore& Open() {
        return *Stores.emplace_back(std::make_unique<WindowsRegistry>(Key.Path()));
    }

private:
    TestRegistryKey Key;
    std::vector<std::unique_ptr<RegistryStore>> Stores;
};
#endif

template <typename Place> class RegistryStoreTest : public testing::Test {
protected:
    RegistryStore& Reopened() { return Where.Open(); }

    Place Where;
    RegistryStore& Store = Where.Open();
};

#ifdef _WIN32
using Places = testing::Types<MemoryPlace, FilePlace, WindowsPlace>;
#else
using Places = testing::Types<MemoryPlace, FilePlace>;
#endif

struct PlaceNames {
    template <typename Place> static std::string GetName(int) {
        if (std::is_same_v<Place, MemoryPlace>)
            return "Memory";
        return std::is_same_v<Place, FilePlace> ? "File" : "Windows";
    }
};

TYPED_TEST_SUITE(RegistryStoreTest, Places, PlaceNames);

} // namespace

TYPED_TEST(RegistryStoreTest, OpenCreatesParentsAndIgnoresCase) {
    RegistryStore& store = this->Store;
    EXPECT_EQ(store.OpenKey("Software\\Quorvane\\Completed", false), nullptr);
    EXPECT_FALSE(store.KeyExists("Software"));
    ASSERT_NE(store.OpenKey("Software\\Quorvane\\Completed", true), nullptr);
    store.OpenKey("SOFTWARE\\quorvane", true)->WriteString("Player", "Ann");

    RegistryStore& later = this->Reopened();
    EXPECT_TRUE(later.KeyExists("software\\QUORVANE\\completed"));
    EXPECT_FALSE(later.KeyExists("Software\\Quorvane\\Completed\\Missing"));
    const std::unique_ptr<RegistryKey> key = later.OpenKey("sOFTWARE\\\\Quorvane\\", false);
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ReadString("PLAYER"), Optional(std::string("Ann")));
    EXPECT_THAT(later.OpenKey("", false)->SubkeyNames(), ElementsAre("Software"));
    EXPECT_THAT(key->SubkeyNames(), ElementsAre("Completed"));
}

TYPED_TEST(RegistryStoreTest, ReadsOfAnotherTypeFail) {
    const std::unique_ptr<RegistryKey> key = this->Store.OpenKey("Software\\Quorvane", true);
    key->WriteString("String", "59");
    key->WriteInteger("Integer", 59);
    key->WriteBinary("Binary", std::vector<std::uint8_t>{59, 0, 0, 0});

    const auto read = this->Reopened().OpenKey("Software\\Quorvane", false);
    for (const std::string name : {"String", "Integer", "Binary", "Missing"}) {
        EXPECT_EQ(read->ReadString(name).has_value(), name == "String") << name;
        EXPECT_EQ(read->ReadInteger(name).has_value(), name == "Integer") << name;
        EXPECT_EQ(read->ReadBinary(name).has_value(), name == "Binary") << name;
    }
}

TYPED_TEST(RegistryStoreTest, IntegersAndBinaryKeepEveryBit) {
    const std::unique_ptr<RegistryKey> key = this->Store.OpenKey("Software\\Quorvane", true);
    const std::vector<std::pair<std::string, std::int32_t>> integers = {
        {"Zero", 0}, {"MinusOne", -1}, {"Least", INT32_MIN}, {"Most", INT32_MAX}, {"Time", 59}};
    for (const auto& [name, integer] : integers)
        key->WriteInteger(name, integer);
    const auto seconds = std::bit_cast<std::array<std::uint8_t, 8>>(1234.5);
    key->WriteBinary("Seconds", seconds);
    key->WriteBinary("Empty", {});

    const auto read = this->Reopened().OpenKey("Software\\Quorvane", false);
    for (const auto& [name, integer] : integers)
        EXPECT_THAT(read->ReadInteger(name), Optional(integer));
    EXPECT_THAT(read->ReadBinary("Seconds"),
                Optional(std::vector<std::uint8_t>(seconds.begin(), seconds.end())));
    EXPECT_THAT(read->ReadBinary("Empty"), Optional(IsEmpty()));
}

// A name in another case names the same value, whose type the last write decides.
TYPED_TEST(RegistryStoreTest, WritesReplaceTheValueOfTheNameInAnyCase) {
    const std::unique_ptr<RegistryKey> key = this->Store.OpenKey("Software\\Quorvane", true);
    ASSERT_TRUE(key->WriteInteger("Time", 5));
    ASSERT_TRUE(key->WriteString("TIME", "five"));
    ASSERT_TRUE(key->WriteString("Note", std::string("cut\0here", 8)));
    ASSERT_TRUE(key->WriteString("Empty", ""));

    const auto read = this->Reopened().OpenKey("Software\\Quorvane", false);
    EXPECT_EQ(read->ReadInteger("time"), std::nullopt);
    EXPECT_THAT(read->ReadString("time"), Optional(std::string("five")));
    EXPECT_THAT(read->ReadString("Note"), Optional(std::string("cut")));
    EXPECT_THAT(read->ReadString("Empty"), Optional(std::string()));
}

// Windows orders names by their characters' Unicode numbers, ignoring case: the code page's
// 0x80..0x9F characters come after its letters with accents, "€" (U+20AC) last.
TYPED_TEST(RegistryStoreTest, SubkeysEnumerateInTheRegistrysOrder) {
    for (const char* name :
         {"gamma", "€uro", "Éclair", "Œuvre", "beta", "alpha2", "Alpha", "eclair", "Zoo"})
        this->Store.OpenKey(ColorSets + "\\" + name, true);
    // é is the same key as É, œ as Œ.
    this->Store.OpenKey(ColorSets + "\\éCLAIR", true);
    this->Store.OpenKey(ColorSets + "\\œUVRE", true);
    EXPECT_THAT(this->Reopened().OpenKey(ColorSets, false)->SubkeyNames(),
                ElementsAre("Alpha", "alpha2", "beta", "eclair", "gamma", "Zoo", "Éclair", "Œuvre",
                            "€uro"));
}

// Each name is one subkey's name, not a path below the key.
TYPED_TEST(RegistryStoreTest, HasSubkeysAnswersEachNameInAnyCase) {
    for (const char* name : {"Éclair", "beta", "beta\\deeper"})
        this->Store.OpenKey(ColorSets + "\\" + name, true);
    const std::vector<std::string> asked = {"éCLAIR", "BETA",         "gamma",
                                            "deeper", "beta\\deeper", ""};
    const std::unique_ptr<RegistryKey> key = this->Reopened().OpenKey(ColorSets, false);
    EXPECT_THAT(key->HasSubkeys(asked), ElementsAre(true, true, false, false, false, false));

    ASSERT_TRUE(this->Store.DeleteKey(ColorSets));
    EXPECT_THAT(key->HasSubkeys(asked), Each(false));
}

TYPED_TEST(RegistryStoreTest, DeleteKeyRemovesItsSubkeys) {
    RegistryStore& store = this->Store;
    store.OpenKey("A\\B\\C", true)->WriteInteger("V", 1);
    store.OpenKey("A\\D", true);
    store.OpenKey("AB", true);
    const std::unique_ptr<RegistryKey> deleted = store.OpenKey("A\\B", false);
    ASSERT_TRUE(deleted->WriteInteger("W", 1));

    EXPECT_TRUE(store.DeleteKey("a\\b"));
    EXPECT_FALSE(store.DeleteKey("a\\b"));
    EXPECT_FALSE(store.DeleteKey("Missing\\Key"));
    EXPECT_FALSE(store.DeleteKey(""));
    EXPECT_FALSE(deleted->WriteInteger("W", 2));
    EXPECT_EQ(deleted->ReadInteger("W"), std::nullopt);
    EXPECT_THAT(deleted->SubkeyNames(), IsEmpty());
    EXPECT_FALSE(store.KeyExists("A\\B"));

    RegistryStore& later = this->Reopened();
    EXPECT_FALSE(later.KeyExists("A\\B\\C"));
    EXPECT_THAT(later.OpenKey("A", false)->SubkeyNames(), ElementsAre("D"));
    EXPECT_TRUE(later.KeyExists("AB"));
}

TYPED_TEST(RegistryStoreTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    this->Store.OpenKey(ColorSets + "\\Café ☕", true)->WriteString("名前", "€ 10 ✓ ü");

    const auto key = this->Reopened().OpenKey(ColorSets + "\\CAFÉ ?", false);
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ReadString("??"), Optional(std::string("€ 10 ? ü")));
    EXPECT_THAT(this->Reopened().OpenKey(ColorSets, false)->SubkeyNames(), ElementsAre("Café ?"));
}

// Windows takes key names of up to 255 characters and value names of up to 16383, and ends a name
// at a NUL; a name it could not hold works nowhere.
TYPED_TEST(RegistryStoreTest, NamesWindowsCannotHoldAreRefused) {
    RegistryStore& store = this->Store;
    const std::string longestKey(MaxKeyNameLength, 'k');
    EXPECT_NE(store.OpenKey(longestKey, true), nullptr);
    EXPECT_EQ(store.OpenKey(longestKey + "k", true), nullptr);
    EXPECT_EQ(store.OpenKey(std::string("nul\0key", 7), true), nullptr);
    EXPECT_FALSE(store.KeyExists(longestKey + "k"));

    const std::unique_ptr<RegistryKey> key = store.OpenKey(longestKey, false);
    const std::string longestValue(MaxValueNameLength, 'v');
    EXPECT_TRUE(key->WriteInteger(longestValue, 1));
    EXPECT_FALSE(key->WriteInteger(longestValue + "v", 2));
    EXPECT_FALSE(key->WriteInteger(std::string("nul\0value", 9), 3));
    EXPECT_EQ(key->ReadInteger("nul"), std::nullopt);

    RegistryStore& later = this->Reopened();
    EXPECT_THAT(later.OpenKey("", false)->SubkeyNames(), ElementsAre(longestKey));
    EXPECT_THAT(later.OpenKey(longestKey, false)->ReadInteger(longestValue), Optional(1));
}

TYPED_TEST(RegistryStoreTest, WriteValuesFailingPartWayChangesNothing) {
    RegistryStore& store = this->Store;
    store.OpenKey("Records\\One", true)->WriteInteger("Time", 1);
    const std::string refused(MaxValueNameLength + 1, 'n');
    const RegistryWrite values[] = {{"Time", 2}, {"Name", "Ann"}, {refused, 3}};
    EXPECT_FALSE(store.WriteValues("Records\\One", values));
    EXPECT_FALSE(store.WriteValues("Records\\Two\\Three", values));

    RegistryStore& later = this->Reopened();
    const std::unique_ptr<RegistryKey> one = later.OpenKey("Records\\One", false);
    EXPECT_THAT(one->ReadInteger("Time"), Optional(1));
    EXPECT_EQ(one->ReadString("Name"), std::nullopt);
    EXPECT_THAT(later.OpenKey("Records", false)->SubkeyNames(), ElementsAre("One"));

    const RegistryWrite accepted[] = {{"Time", 2}, {"Name", "Ann"}};
    EXPECT_TRUE(later.WriteValues("Records\\Two\\Three", accepted));
    EXPECT_THAT(store.OpenKey("Records\\Two\\Three", false)->ReadString("Name"),
                Optional(std::string("Ann")));
}
