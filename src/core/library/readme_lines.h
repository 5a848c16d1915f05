// The read-me file beside the program as the about box shows it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The file's lines in UTF-8, read as Windows-1252 text, without their line ends (CR LF or LF); a
// last line end starts no line of its own. A missing or unreadable file has no lines.
std::vector<std::string> ReadmeLines(const std::filesystem::path& file);
