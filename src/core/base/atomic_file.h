// Replacing a file's content so that the old content survives any failure on the way.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Writes the bytes to a temporary file beside the target, flushes it to disk, renames it over
// the target and syncs the folder. On failure the target is untouched, the temporary file is
// removed and the reason is returned; an empty string means success. A failed sync of the folder
// is no failure: the file is whole and in place. A target without its owner's write permission is
// refused, as a plain write would be. Temporary files that saves of the same target left when
// they were killed are removed first; those of saves still running in other processes stay. The
// writes, the flushes and the rename are made through FileSystemCalls::Current().
std::string WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);
