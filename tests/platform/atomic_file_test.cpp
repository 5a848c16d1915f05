// Replacing a file so that its old content survives a failed write.
#include "base/atomic_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(AtomicFile, NewFileIsReadableByOthersAsAPlainCreateWouldMakeIt) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    ASSERT_EQ(WriteFileAtomically(folder / "f", Bytes("x")), "");
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat((folder / "f").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

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
    const std::string reason = WriteFileAtomically(folder / "no" / "file", Bytes("x"));
    EXPECT_NE(reason.find("no/file"), std::string::npos) << reason;
}

// Root passes every permission test, so the rule must hold by the mode bits alone.
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
}
