// The system's file open and save dialogs, given a start folder and a filter written
// "Description|*.ext"; an empty path when the user cancels.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>
#include <string_view>

std::filesystem::path OpenFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter);
// A name typed without an extension takes the filter's.
std::filesystem::path SaveFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter);
