// The registry interface, in memory and in a file shared between processes.
#include "settings/file_registry.h"
#include "settings/memory_registry.h"
#include "support/temp_folder.h"

#include <bit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

using testing::Each;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Optional;
using testing::StartsWith;

namespace {

const std::string ColorSets = "Software\\Quorvane\\Color sets";

std::string FileText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    WriteBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// Each case runs on both stores; for the file, reopening reads back what was written.
class RegistryStoreTest : public testing::TestWithParam<bool> {
protected:
    bool FileBacked() const { return GetParam(); }

    std::unique_ptr<RegistryStore> NewStore() const {
        if (FileBacked())
            return std::make_unique<FileRegistry>(Folder / "HKCU.reg");
        return std::make_unique<MemoryRegistry>();
    }

    // What a later run of the program would see: a new store on the same file.
    RegistryStore& Reopened() {
        if (FileBacked())
            Later = NewStore();
        return Later ? *Later : *Store;
    }

    TempFolder Folder;
    std::unique_ptr<RegistryStore> Store = NewStore();
    std::unique_ptr<RegistryStore> Later;
};

INSTANTIATE_TEST_SUITE_P(Stores, RegistryStoreTest, testing::Values(false, true),
                         [](const auto& store) { return store.param ? "File" : "Memory"; });

} // namespace

TEST_P(RegistryStoreTest, OpenCreatesParentsAndIgnoresCase) {
    EXPECT_EQ(Store->OpenKey("Software\\Quorvane\\Completed", false), nullptr);
    ASSERT_NE(Store->OpenKey("Software\\Quorvane\\Completed", true), nullptr);
    Store->OpenKey("SOFTWARE\\quorvane", true)->WriteString("Player", "Ann");

    RegistryStore& store = Reopened();
    EXPECT_TRUE(store.KeyExists("software\\QUORVANE\\completed"));
    EXPECT_FALSE(store.KeyExists("Software\\Quorvane\\Completed\\Missing"));
    const std::unique_ptr<RegistryKey> key = store.OpenKey("sOFTWARE\\Quorvane\\", false);
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ReadString("PLAYER"), Optional(std::string("Ann")));
    EXPECT_THAT(store.OpenKey("", false)->SubkeyNames(), ElementsAre("Software"));
    EXPECT_THAT(key->SubkeyNames(), ElementsAre("Completed"));
}

TEST_P(RegistryStoreTest, ReadsOfAnotherTypeFail) {
    const std::unique_ptr<RegistryKey> key = Store->OpenKey("Software\\Quorvane", true);
    key->WriteString("String", "59");
    key->WriteInteger("Integer", 59);
    key->WriteBinary("Binary", std::vector<std::uint8_t>{59, 0, 0, 0});

    const std::unique_ptr<RegistryKey> read = Reopened().OpenKey("Software\\Quorvane", false);
    for (const std::string name : {"String", "Integer", "Binary", "Missing"}) {
        EXPECT_EQ(read->ReadString(name).has_value(), name == "String") << name;
        EXPECT_EQ(read->ReadInteger(name).has_value(), name == "Integer") << name;
        EXPECT_EQ(read->ReadBinary(name).has_value(), name == "Binary") << name;
    }
}

TEST_P(RegistryStoreTest, IntegersAndBinaryKeepEveryBit) {
    const std::unique_ptr<RegistryKey> key = Store->OpenKey("Software\\Quorvane", true);
    const std::vector<std::int32_t> integers = {0, -1, INT32_MIN, INT32_MAX, 59};
    for (std::size_t i = 0; i < integers.size(); ++i)
        key->WriteInteger("I" + std::to_string(i), integers[i]);
    const auto seconds = std::bit_cast<std::array<std::uint8_t, 8>>(1234.5);
    key->WriteBinary("Seconds", seconds);
    key->WriteBinary("Empty", {});

    const std::unique_ptr<RegistryKey> read = Reopened().OpenKey("Software\\Quorvane", false);
    for (std::size_t i = 0; i < integers.size(); ++i)
        EXPECT_THAT(read->ReadInteger("I" + std::to_string(i)), Optional(integers[i]));
    EXPECT_THAT(read->ReadBinary("Seconds"),
                Optional(std::vector<std::uint8_t>(seconds.begin(), seconds.end())));
    EXPECT_THAT(read->ReadBinary("Empty"), Optional(IsEmpty()));
}

TEST_P(RegistryStoreTest, SubkeysEnumerateInCaseInsensitiveOrder) {
    for (const char* name : {"gamma", "Éclair", "beta", "alpha2", "Alpha", "eclair"})
        Store->OpenKey(ColorSets + "\\" + name, true);
    // É is compared as itself, after the ASCII letters; é is the same key as É.
    Store->OpenKey(ColorSets + "\\éCLAIR", true);
    EXPECT_THAT(Reopened().OpenKey(ColorSets, false)->SubkeyNames(),
                ElementsAre("Alpha", "alpha2", "beta", "eclair", "gamma", "Éclair"));
}

// Each name is one subkey's name, not a path below the key.
TEST_P(RegistryStoreTest, HasSubkeysAnswersEachNameInAnyCase) {
    for (const char* name : {"Éclair", "beta", "beta\\deeper"})
        Store->OpenKey(ColorSets + "\\" + name, true);
    const std::vector<std::string> asked = {"éCLAIR", "BETA",         "gamma",
                                            "deeper", "beta\\deeper", ""};
    const std::unique_ptr<RegistryKey> key = Reopened().OpenKey(ColorSets, false);
    EXPECT_THAT(key->HasSubkeys(asked), ElementsAre(true, true, false, false, false, false));

    ASSERT_TRUE(Store->DeleteKey(ColorSets));
    EXPECT_THAT(key->HasSubkeys(asked), Each(false));
}

TEST_P(RegistryStoreTest, DeleteKeyRemovesItsSubkeys) {
    Store->OpenKey("A\\B\\C", true)->WriteInteger("V", 1);
    Store->OpenKey("A\\D", true);
    Store->OpenKey("AB", true);
    const std::unique_ptr<RegistryKey> deleted = Store->OpenKey("A\\B", false);

    EXPECT_TRUE(Store->DeleteKey("a\\b"));
    EXPECT_FALSE(Store->DeleteKey("a\\b"));
    EXPECT_FALSE(Store->DeleteKey(""));
    EXPECT_FALSE(deleted->WriteInteger("V", 2));
    EXPECT_FALSE(Store->KeyExists("A\\B"));

    RegistryStore& store = Reopened();
    EXPECT_FALSE(store.KeyExists("A\\B\\C"));
    EXPECT_THAT(store.OpenKey("A", false)->SubkeyNames(), ElementsAre("D"));
    EXPECT_TRUE(store.KeyExists("AB"));
}

TEST_P(RegistryStoreTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    Store->OpenKey(ColorSets + "\\Café ☕", true)->WriteString("名前", "€ 10 ✓ ü");

    const std::unique_ptr<RegistryKey> key = Reopened().OpenKey(ColorSets + "\\CAFÉ ?", false);
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ReadString("??"), Optional(std::string("€ 10 ? ü")));
    EXPECT_THAT(Reopened().OpenKey(ColorSets, false)->SubkeyNames(), ElementsAre("Café ?"));
}

TEST_P(RegistryStoreTest, InjectedSectionInKeyNameStaysOneKey) {
    // The backslash makes "Other]" a subkey of the scheme, as it would on Windows.
    const std::string scheme = ColorSets + "\\x]\n[Software\\Other]";
    const std::string hostile = "a\"]\r\n[HKEY_CURRENT_USER\\Software\\Other]\n\"V\"=\"1\"\\";
    const std::unique_ptr<RegistryKey> key = Store->OpenKey(scheme, true);
    key->WriteString(hostile, hostile);
    key->WriteInteger("Cells", 3);

    RegistryStore& store = Reopened();
    EXPECT_THAT(store.OpenKey(ColorSets, false)->SubkeyNames(), ElementsAre("x]\n[Software"));
    EXPECT_THAT(store.OpenKey(ColorSets + "\\x]\n[Software", false)->SubkeyNames(),
                ElementsAre("Other]"));
    const std::unique_ptr<RegistryKey> read = store.OpenKey(scheme, false);
    ASSERT_NE(read, nullptr);
    EXPECT_THAT(read->ReadString(hostile), Optional(hostile));
    EXPECT_THAT(read->ReadInteger("Cells"), Optional(3));
    EXPECT_FALSE(store.KeyExists("Software\\Other"));
    EXPECT_THAT(store.OpenKey("", false)->SubkeyNames(), ElementsAre("Software"));
    EXPECT_THAT(store.OpenKey("Software", false)->SubkeyNames(), ElementsAre("Quorvane"));
}

TEST(FileRegistry, MissingFileIsEmptyUntilTheFirstWriteCreatesIt) {
    const TempFolder folder;
    const std::filesystem::path file = folder / "config" / "Quorvane" / "HKCU.reg";
    FileRegistry registry(file);
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_EQ(registry.OpenKey("Software", false), nullptr);
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));

    registry.OpenKey("Software\\Quorvane", true)->WriteInteger("Speed", 59);
    EXPECT_EQ(FileText(file), "REGEDIT4\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Quorvane]\r\n"
                              "\"Speed\"=dword:0000003b\r\n\r\n");
}

TEST(FileRegistry, InstancesSeeAndKeepEachOthersWrites) {
    const TempFolder folder;
    FileRegistry first(folder / "HKCU.reg");
    FileRegistry second(folder / "HKCU.reg");
    const std::unique_ptr<RegistryKey> firstKey = first.OpenKey("Software\\Quorvane", true);
    const std::unique_ptr<RegistryKey> secondKey = second.OpenKey("Software\\Quorvane", false);
    ASSERT_NE(secondKey, nullptr);

    // Each writes through a key opened before the other's last write.
    ASSERT_TRUE(firstKey->WriteString("Player", "Ann"));
    EXPECT_THAT(secondKey->ReadString("Player"), Optional(std::string("Ann")));
    ASSERT_TRUE(firstKey->WriteInteger("Width", 5));
    ASSERT_TRUE(secondKey->WriteInteger("Speed", 2));
    ASSERT_TRUE(firstKey->WriteInteger("Height", 6));
    ASSERT_TRUE(second.DeleteKey("Software\\Quorvane"));
    EXPECT_FALSE(firstKey->WriteInteger("Width", 7));
    ASSERT_NE(first.OpenKey("Software\\Quorvane", true), nullptr);
    ASSERT_TRUE(secondKey->WriteInteger("Speed", 3));

    FileRegistry later(folder / "HKCU.reg");
    const std::unique_ptr<RegistryKey> key = later.OpenKey("Software\\Quorvane", false);
    EXPECT_THAT(key->ReadInteger("Speed"), Optional(3));
    EXPECT_EQ(key->ReadInteger("Width"), std::nullopt);
    ASSERT_TRUE(firstKey->WriteInteger("Width", 8));
    EXPECT_THAT(key->ReadInteger("Width"), Optional(8));
    EXPECT_THAT(key->ReadInteger("Speed"), Optional(3));
}

TEST(FileRegistry, DamagedFileKeepsWhatParsesAndACopyOfTheOriginal) {
    const TempFolder folder;
    const std::filesystem::path file = folder / "HKCU.reg";
    const std::string damaged = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Quorvane]\n"
                                "\"Player\"=\"Ann\"\n\"Speed\"=dword:zz\x01\xff\n"
                                "[HKEY_CURRENT_USER\\Software\\Quorvane\\Completed\\One]\n"
                                "\"Time\"=dword:0000000a\n";
    WriteText(file, damaged);
    FileRegistry registry(file);
    const std::unique_ptr<RegistryKey> key = registry.OpenKey("Software\\Quorvane", false);
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ReadString("Player"), Optional(std::string("Ann")));
    EXPECT_FALSE(std::filesystem::exists(folder / "HKCU.reg.damaged"));

    ASSERT_TRUE(key->WriteInteger("Width", 5));
    EXPECT_EQ(FileText(folder / "HKCU.reg.damaged"), damaged);
    FileRegistry later(file);
    EXPECT_THAT(later.OpenKey("Software\\Quorvane\\Completed\\One", false)->ReadInteger("Time"),
                Optional(10));
    EXPECT_THAT(later.OpenKey("Software\\Quorvane", false)->ReadInteger("Width"), Optional(5));

    // A clean file needs no copy; damage found later gets a copy of its own.
    ASSERT_TRUE(key->WriteInteger("Width", 6));
    EXPECT_FALSE(std::filesystem::exists(folder / "HKCU.reg.damaged-2"));
    const std::string damagedAgain = FileText(file) + "garbage\n";
    WriteText(file, damagedAgain);
    ASSERT_TRUE(key->WriteInteger("Width", 7));
    EXPECT_EQ(FileText(folder / "HKCU.reg.damaged"), damaged);
    EXPECT_EQ(FileText(folder / "HKCU.reg.damaged-2"), damagedAgain);
}

TEST(FileRegistry, UnreadableFileRefusesWritesInsteadOfReplacingIt) {
    const TempFolder folder;
    std::filesystem::create_directory(folder / "HKCU.reg");
    FileRegistry registry(folder / "HKCU.reg");
    EXPECT_EQ(registry.OpenKey("Software", true), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "HKCU.reg"));
}

TEST(FileRegistry, TwoProcessesAddingRecordsAtOnceLoseNone) {
    const TempFolder folder;
    const std::string file = (folder / "HKCU.reg").string();
    std::vector<pid_t> writers;
    for (const char* prefix : {"A", "B"}) {
        const char* arguments[] = {REGISTRY_WRITER, file.c_str(), prefix, "200", nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, REGISTRY_WRITER, nullptr, nullptr,
                              const_cast<char* const*>(arguments), environ),
                  0);
        writers.push_back(pid);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    FileRegistry registry(file);
    const std::string completed = "Software\\Quorvane\\Completed\\";
    EXPECT_EQ(registry.OpenKey(completed, false)->SubkeyNames().size(), 400u);
    for (const std::string prefix : {"A", "B"}) {
        for (int i = 0; i < 200; ++i) {
            const auto key = registry.OpenKey(completed + prefix + std::to_string(i), false);
            ASSERT_NE(key, nullptr) << prefix << i;
            EXPECT_THAT(key->ReadString("Writer"), Optional(prefix));
            EXPECT_THAT(key->ReadInteger("Number"), Optional(i));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(file + ".damaged"));
}

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
