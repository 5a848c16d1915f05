// Windows-1252, the single-byte code page of every string in files and in the registry.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to Windows-1252; a character the code page cannot hold, or a malformed sequence,
// becomes '?'.
std::string Cp1252FromUtf8(std::string_view utf8);

// Windows-1252 to UTF-8; the five bytes the code page leaves undefined map to U+0080..U+009F
// control characters, so no byte is lost.
std::string Utf8FromCp1252(std::string_view cp1252);

// The upper-case form of one Windows-1252 character (letters of the code page only).
char Cp1252UpperCase(char c);
