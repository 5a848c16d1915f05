// Replacing a file's content so that the old content survives any failure on the way.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Writes the bytes to a temporary file beside the target, flushes it to disk and renames it over
// the target. On failure the target is untouched, the temporary file is removed and the reason is
// returned; an empty string means success. A target without its owner's write permission is
// refused, as a plain write would be. The writes, the flush and the rename are made through
// FileSystemCalls::Current().
std::string WriteFileAtomically(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);
