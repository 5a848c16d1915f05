// The message a window shows when the registry refuses to keep something; the game goes on.
#pragma once

#include <string>
#include <string_view>

// what names the setting or record, as in "the puzzle folder (LastPuzzleDir)".
inline std::string RegistryWriteFailureText(std::string_view what) {
    return "Quorvane could not store " + std::string(what) +
           " in the registry. The settings file may be read-only, or the disk full.";
}
