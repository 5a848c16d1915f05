// Replacing a file's content so that the old content survives any failure on the way: the steps
// every system takes, through the calls of atomic_file_system.h.
#include "base/atomic_file.h"

#include "base/atomic_file_system.h"
#include "base/file_system_calls.h"
#include "base/path_text.h"

#include <algorithm>
#include <random>
#include <string_view>

namespace {

namespace System = AtomicFileSystem;

// A save's temporary file is ".NAME.XXXXXX.saving" beside its target NAME, the Xs being random
// letters and digits: hidden from file dialogs, and marked so that the next save of NAME knows a
// leftover for its own and never takes a user's file for one.
constexpr std::string_view TemporaryMark = ".saving";
constexpr std::size_t UniqueLetters = 6;
constexpr std::string_view Letters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string TemporaryPrefix(const std::filesystem::path& target) {
    std::string prefix = ".";
    prefix += PathText(target.filename());
    prefix += '.';
    return prefix;
}

bool IsTemporaryOf(const std::string& prefix, const std::string& name) {
    if (name.size() != prefix.size() + UniqueLetters + TemporaryMark.size() ||
        !name.starts_with(prefix) || !name.ends_with(TemporaryMark))
        return false;
    const auto unique = name.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    return std::all_of(unique, unique + UniqueLetters,
                       [](char c) { return Letters.find(c) != std::string_view::npos; });
}

std::string TemporaryName(const std::string& prefix) {
    thread_local std::mt19937 random{std::random_device()()};
    std::uniform_int_distribution<std::size_t> letter(0, Letters.size() - 1);
    std::string name = prefix;
    for (std::size_t i = 0; i < UniqueLetters; ++i)
        name += Letters[letter(random)];
    return name + std::string(TemporaryMark);
}

// Taken when the call that failed has set the system's reason.
std::string Reason(const std::string& what, const std::filesystem::path& path) {
    const int error = LastSystemError();
    return what + " " + PathText(path) + ": " + SystemErrorText(error);
}

// A killed save's temporary is no longer held; one still held belongs to a save under way in
// another process, which keeps it.
void RemoveLeftovers(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsTemporaryOf(prefix, PathText(entry->path().filename())))
            System::RemoveIfLeftover(entry->path());
    }
}

// A new temporary file beside the target, held by this save.
bool CreateTemporary(const std::filesystem::path& folder, const std::string& prefix,
                     std::filesystem::path& temporary, NativeFile& file) {
    // Another save's name, or one a sweep took in the instant before the hold, asks for another.
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        temporary = folder / PathFromText(TemporaryName(prefix));
        const System::Creation creation = System::CreateHeld(temporary, file);
        if (creation != System::Creation::NameTaken)
            return creation == System::Creation::Held;
    }
    return false;
}

bool WriteAll(FileSystemCalls& calls, NativeFile file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const std::ptrdiff_t written = calls.Write(file, bytes.data(), bytes.size());
        if (written == 0) // no progress and no error: the disk took nothing more
            SetLastSystemError(System::DiskFullError());
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes) {
    // A rename would replace a file its owner marked read-only, which a plain write (and every
    // other program) refuses.
    if (System::IsReadOnly(target))
        return Reason("Cannot create file", target);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string prefix = TemporaryPrefix(target);
    RemoveLeftovers(folder, prefix);
    std::filesystem::path temporary;
    NativeFile file{};
    if (!CreateTemporary(folder, prefix, temporary, file))
        return Reason("Cannot create file", target);

    FileSystemCalls& calls = FileSystemCalls::Current();
    std::string error;
    if (!WriteAll(calls, file, bytes) || calls.Fsync(file) != 0)
        error = Reason("Cannot write file", target);
    else if (calls.Rename(temporary, target) != 0)
        error = Reason("Cannot create file", target);
    if (!error.empty())
        System::Remove(temporary);
    // Closed only now, so the hold lasts until the name is gone. The data reached the disk at the
    // flush, so the close has nothing left to report.
    System::Close(file);
    // The rename lives in the folder: syncing it keeps a power cut from bringing the old file
    // back. Its failure does not fail the save: the new version is whole and in place, a power
    // cut could at worst bring back the old one whole, and some file systems cannot sync a folder.
    if (error.empty())
        System::SyncFolder(calls, folder);
    return error;
}
