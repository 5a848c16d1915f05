// What a save does differently on each system: its temporary file's creation, hold and removal,
// the read-only test and the folder's sync. Used by atomic_file.cpp alone.
#pragma once

#include "base/file_system_calls.h"

#include <filesystem>

namespace AtomicFileSystem {

// Whether the target's owner marked it read-only; the system's reason is then that access is
// denied. Asked of the file's own mark, as root passes every access test.
bool IsReadOnly(const std::filesystem::path& target);

enum class Creation { Held, NameTaken, Failed };

// A new file by that name, created only where nothing has it, and held for the save until it is
// closed: a held file is never taken for a leftover. NameTaken means another name should be tried.
Creation CreateHeld(const std::filesystem::path& path, NativeFile& file);

// Removes the file when no save holds it: its save was killed.
void RemoveIfLeftover(const std::filesystem::path& path);

void Remove(const std::filesystem::path& path);
void Close(NativeFile file);

// Makes a rename in the folder last through a power cut, where the system needs a call for it.
void SyncFolder(FileSystemCalls& calls, const std::filesystem::path& folder);

// The reason given for a disk that takes no more bytes.
int DiskFullError();

} // namespace AtomicFileSystem
