// The words the tool was started with, read from Windows' wide command line: the narrow arguments
// come in the ANSI code page, which loses every character it lacks.
#include "command_line.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// after windows.h, whose types it uses
#include <shellapi.h>

namespace {

std::string Utf8Of(const wchar_t* wide) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(size - 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

} // namespace

std::vector<std::string> CommandLineWords(int argc, char* argv[]) {
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr)
        return {argv + 1, argv + argc};
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i)
        words.push_back(Utf8Of(wide[i]));
    ::LocalFree(wide);
    return words;
}
