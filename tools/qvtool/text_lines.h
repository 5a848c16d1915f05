// Line and number helpers shared by the text formats the tool reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Lines split at "\n", "\r\n" or "\r", without their ends.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text without spaces, tabs and a byte-order mark around it.
std::string_view TrimSpaces(std::string_view text);

// A whole decimal number in min..max; nothing for any other text, a sign or an overflow included.
std::optional<int> ParseNumber(std::string_view text, int min, int max);

// The text in double quotes for an error message: cut to a few words, with control characters
// shown as '?', so that a hostile file cannot stretch the message over lines or megabytes.
std::string QuotedForMessage(std::string_view text);
