// The per-user registry kept in one REGEDIT4 text file, shared by every running copy of the
// program.
#include "settings/file_registry.h"

#include "base/atomic_file.h"
#include "settings/file_lock.h"
#include "settings/regedit_format.h"

#include <cstdint>
#include <span>
#include <string>

namespace {

// Enough numbered copies for any history of damage; past them a write is refused instead.
constexpr int MaxDamagedCopies = 1000;

std::filesystem::path WithSuffix(const std::filesystem::path& path, const std::string& suffix) {
    return std::filesystem::path(path).concat(suffix);
}

bool WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return WriteFileAtomically(path, std::span(data, bytes.size())).empty();
}

// Called under the lock, which every writer of these names holds, so a name found free stays
// free until the copy is in place.
bool KeepDamagedCopy(const std::filesystem::path& file, const std::string& bytes) {
    for (int number = 1; number <= MaxDamagedCopies; ++number) {
        const std::string suffix = number == 1 ? ".damaged" : ".damaged-" + std::to_string(number);
        const std::filesystem::path copy = WithSuffix(file, suffix);
        std::error_code error;
        const bool taken = std::filesystem::exists(copy, error);
        if (error)
            return false;
        if (!taken)
            return WriteBytes(copy, bytes);
    }
    return false;
}

} // namespace

FileRegistry::FileRegistry(std::filesystem::path file) : File(std::move(file)) {}

const RegistryHive& FileRegistry::CurrentHive() {
    const std::optional<FileStamp> stamp = StampOf(File);
    if (Loaded && stamp && *stamp == Loaded->Stamp)
        return Hive;
    // An unreadable file leaves the last hive in place; the stamp stays stale, so the next read
    // tries again.
    if (std::optional<FileSnapshot> snapshot = ReadSnapshot(File))
        Adopt(std::move(*snapshot));
    return Hive;
}

bool FileRegistry::ChangeHive(const std::function<HiveChange(RegistryHive&)>& change) {
    std::error_code error;
    if (File.has_parent_path())
        std::filesystem::create_directories(File.parent_path(), error);
    if (error)
        return false;
    const FileLock lock(WithSuffix(File, ".lock"));
    if (!lock.Held())
        return false;
    // The bytes, not the stamp, decide whether another process wrote: a freed inode may come
    // back with the same size within one tick of a coarse clock.
    std::optional<FileSnapshot> snapshot = ReadSnapshot(File);
    if (!snapshot)
        return false;
    Adopt(std::move(*snapshot));
    const HiveChange outcome = change(Hive);
    // A refused change may have left part of itself in the hive; the file has the truth.
    if (outcome == HiveChange::Refused)
        Loaded.reset();
    if (outcome != HiveChange::Changed)
        return outcome == HiveChange::Unchanged;
    if (Save())
        return true;
    Loaded.reset();
    return false;
}

void FileRegistry::Adopt(FileSnapshot snapshot) {
    if (!Loaded || snapshot.Bytes != Loaded->Bytes) {
        ParsedRegedit parsed = ParseRegedit(snapshot.Bytes);
        Hive = std::move(parsed.Hive);
        Damaged = parsed.SkippedLines > 0;
    }
    Loaded = std::move(snapshot);
}

bool FileRegistry::Save() {
    if (Damaged && !KeepDamagedCopy(File, Loaded->Bytes))
        return false;
    std::string text = RegeditText(Hive);
    if (!WriteBytes(File, text))
        return false;
    const std::optional<FileStamp> stamp = StampOf(File);
    if (!stamp)
        return false;
    Loaded = FileSnapshot{*stamp, std::move(text)};
    Damaged = false;
    return true;
}
