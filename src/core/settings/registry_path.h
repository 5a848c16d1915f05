// How a key path of the per-user registry splits into key names, and the names Windows allows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows refuses longer names; every store refuses them too, so a name that works with one works
// with all. Lengths count Windows-1252 characters.
inline constexpr std::size_t MaxKeyNameLength = 255;
inline constexpr std::size_t MaxValueNameLength = 16383;

// The Windows-1252 names of a UTF-8 path with '\' between them. Empty names between separators
// are passed over: a doubled or trailing '\' changes nothing, and the empty path is the root
// itself. Nothing when the path is deeper than Windows allows or a name is not a key's name.
std::optional<std::vector<std::string>> SplitKeyPath(std::string_view utf8Path);

// Whether Windows can hold a key or a value of this Windows-1252 name: not too long, and free of
// the NUL at which its calls end a name; a key's name is also not empty and holds no '\'.
bool IsKeyName(std::string_view cp1252Name);
bool IsValueName(std::string_view cp1252Name);
