// Text between the core's UTF-8 and the wide strings of the system's calls.
#pragma once

#include <string>
#include <string_view>

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
