// What the registry file adds to the store: the file itself, damage to it, and processes sharing
// it.
#include "hardening/child_process.h"
#include "settings/file_registry.h"
#include "support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::Optional;

namespace {

const std::string ColorSets = "Software\\Quorvane\\Color sets";

std::string FileText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    WriteBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace

TEST(FileRegistry, InjectedSectionInKeyNameStaysOneKey) {
    const TempFolder folder;
    // The backslash makes "Other]" a subkey of the scheme, as it would on Windows.
    const std::string scheme = ColorSets + "\\x]\n[Software\\Other]";
    const std::string hostile = "a\"]\r\n[HKEY_CURRENT_USER\\Software\\Other]\n\"V\"=\"1\"\\";
    FileRegistry writer(folder / "HKCU.reg");
    const std::unique_ptr<RegistryKey> key = writer.OpenKey(scheme, true);
    key->WriteString(hostile, hostile);
    key->WriteInteger("Cells", 3);

    FileRegistry store(folder / "HKCU.reg");
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
    std::vector<ChildId> writers;
    for (const char* prefix : {"A", "B"}) {
        writers.push_back(SpawnHelper({REGISTRY_WRITER, file, prefix, "200"}));
        ASSERT_NE(writers.back(), NoChild);
    }
    for (const ChildId writer : writers)
        EXPECT_TRUE(ExitedCleanly(WaitFor(writer)));

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
