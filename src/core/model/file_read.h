// Outcomes of reading a game file, and the texts that tell the player about a refusal.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

enum class FileReadStatus { Ok, CannotOpen, Corrupted };

// The message for a refused file, with the path as given; empty for Ok.
std::string FileReadMessage(FileReadStatus status, const std::string& path);

// The first `limit` bytes of a file (fewer when it is shorter); nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::filesystem::path& path,
                                                        std::uintmax_t limit);
