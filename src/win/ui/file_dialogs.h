// The system's file open and save dialogs, given a start folder and a filter written
// "Description|*.ext"; an empty path when the user cancels.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// A filter written "Description|*.ext" as the system's file dialogs take it: the description and
// the pattern, each ended by a null, then a second null; and the pattern's extension, the one a
// name typed without one takes.
struct SystemFilter {
    std::wstring Pairs;
    std::wstring Extension;
};
SystemFilter FileFilter(std::string_view filter);

std::filesystem::path OpenFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter);
// A name typed without an extension takes the filter's.
std::filesystem::path SaveFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter);
