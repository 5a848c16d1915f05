// Small text rules the readers share: trimming and case folding of plain ASCII.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view SpacesAndTabs = " \t";

// The text without any of the given characters at either end.
std::string_view TrimmedOf(std::string_view text, std::string_view characters = SpacesAndTabs);

// Only 'a' to 'z' and 'A' to 'Z' change: file names and GUID texts are compared this way whatever
// the locale, and bytes of other code pages stay as they are.
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);
