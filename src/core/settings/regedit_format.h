// Registry contents as the text of a REGEDIT4 export, which Windows' registry editor imports.
#pragma once

#include "settings/registry_hive.h"

#include <cstddef>
#include <string>
#include <string_view>

struct ParsedRegedit {
    RegistryHive Hive;
    // Lines that could not be read and were left out, including a missing "REGEDIT4" header and
    // the values of a section that could not be read; nonzero means the text held more than the
    // hive does.
    std::size_t SkippedLines = 0;
};

// Reads every section and value it can, whatever the bytes; LF and CRLF line ends both do.
ParsedRegedit ParseRegedit(std::string_view text);

// The hive as REGEDIT4 text with CRLF line ends, keys in case-insensitive order, each key as
// its own section.
std::string RegeditText(const RegistryHive& hive);
