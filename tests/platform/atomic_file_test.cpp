// Replacing a file so that its old content survives a failed write.
#include "base/atomic_file.h"
#include "base/file_system_calls.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(AtomicFile, CreatesAndReplaces) {
    TempFolder folder;
    const auto target = folder / "file.bin";
    ASSERT_EQ(WriteFileAtomically(target, Bytes("first version")), "");
    EXPECT_EQ(ReadBytes(target), Bytes("first version"));
    ASSERT_EQ(WriteFileAtomically(target, Bytes("second")), "");
    EXPECT_EQ(ReadBytes(target), Bytes("second"));
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

#ifndef _WIN32
TEST(AtomicFile, NewFileIsReadableByOthersAsAPlainCreateWouldMakeIt) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    ASSERT_EQ(WriteFileAtomically(folder / "f", Bytes("x")), "");
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat((folder / "f").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}
#endif

TEST(AtomicFile, FailureKeepsTheOldContent) {
    TempFolder folder;
    const auto target = folder / "kept";
    ASSERT_EQ(WriteFileAtomically(target, Bytes("good")), "");
    // A target that is a non-empty folder cannot be replaced by a file.
    std::filesystem::create_directories(folder / "dir" / "inside");
    EXPECT_NE(WriteFileAtomically(folder / "dir", Bytes("bad")), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir" / "inside"));
    EXPECT_EQ(ReadBytes(target), Bytes("good"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

TEST(AtomicFile, MissingFolderIsReported) {
    TempFolder folder;
    const std::filesystem::path missing = std::filesystem::path("no") / "file";
    const std::string reason = WriteFileAtomically(folder.Path() / missing, Bytes("x"));
    EXPECT_NE(reason.find(missing.string()), std::string::npos) << reason;
}

// Root passes every permission test, so the rule must hold by the mode bits alone; on Windows
// they are the read-only attribute.
TEST(AtomicFile, ReadOnlyTargetIsRefusedAndKept) {
    TempFolder folder;
    const auto target = folder / "locked";
    ASSERT_EQ(WriteFileAtomically(target, Bytes("kept")), "");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read);
    const std::string reason = WriteFileAtomically(target, Bytes("lost"));
    EXPECT_NE(reason.find("Cannot create file"), std::string::npos) << reason;
    EXPECT_EQ(ReadBytes(target), Bytes("kept"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    std::filesystem::permissions(target, std::filesystem::perms::owner_all);
}

namespace {

// Saves the target again from within the first write of a save of it: the inner save finds the
// outer one's temporary file as a save under way in another process would.
class SaveWithinAWrite final : public FileSystemCalls {
public:
    explicit SaveWithinAWrite(std::filesystem::path target)
        : Target(std::move(target)), Previous(Install(this)) {}
    ~SaveWithinAWrite() override { Install(Previous); }

    std::ptrdiff_t Write(NativeFile file, const void* data, std::size_t size) override {
        if (!Inside) {
            Inside = true;
            InnerReason = "saved: " + WriteFileAtomically(Target, Bytes("inner"));
        }
        return FileSystemCalls::Write(file, data, size);
    }

    std::string InnerReason;

private:
    std::filesystem::path Target;
    FileSystemCalls* Previous;
    bool Inside = false;
};

} // namespace

// A killed save's temporary file goes at the next save of its target. One still held is a save
// under way, and a name that is not a save's own may be the user's.
TEST(AtomicFile, NextSaveRemovesLeftoverTemporariesAndNothingElse) {
    TempFolder folder;
    const auto target = folder / "game.qvs";
    ASSERT_EQ(WriteFileAtomically(target, Bytes("old")), "");
    const std::vector<std::string> kept = {".other.qvs.Ab3De9.saving", "game.qvs.Ab3De9",
                                           ".game.qvs.Ab3De.saving", ".game.qvs.Ab-De9.saving",
                                           "game.qvs.backup"};
    for (const std::string& name : kept)
        ASSERT_EQ(WriteFileAtomically(folder / name, Bytes(name)), "");
    ASSERT_EQ(WriteFileAtomically(folder / "leftover", Bytes("torn")), "");
    std::filesystem::rename(folder / "leftover", folder / ".game.qvs.Ab3De9.saving");

    {
        SaveWithinAWrite inner(target);
        ASSERT_EQ(WriteFileAtomically(target, Bytes("outer")), "");
        EXPECT_EQ(inner.InnerReason, "saved: ");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / ".game.qvs.Ab3De9.saving"));
    for (const std::string& name : kept)
        EXPECT_EQ(ReadBytes(folder / name), Bytes(name)) << name;
    EXPECT_EQ(ReadBytes(target), Bytes("outer"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}),
              static_cast<std::ptrdiff_t>(kept.size()) + 1);
}
