// The Windows system calls through which files are written.
#include "base/file_system_calls.h"

#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX // the C++ library of MinGW-w64 defines it already
#define NOMINMAX
#endif
#include <windows.h>

std::ptrdiff_t FileSystemCalls::Write(NativeFile file, const void* data, std::size_t size) {
    // One call takes at most what a DWORD counts; the caller writes the rest.
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, data, chunk, &written, nullptr))
        return -1;
    return static_cast<std::ptrdiff_t>(written);
}

int FileSystemCalls::Fsync(NativeFile file) {
    return ::FlushFileBuffers(file) ? 0 : -1;
}

// MoveFileExW rather than ReplaceFileW: one rename that replaces the target at once, whether or not
// it exists yet. ReplaceFileW needs an existing target, carries its attributes over in steps of its
// own and can fail between them, leaving the replacement under a third name. A target that another
// process holds open for a moment (a second copy reading its settings, a virus scanner, an indexer)
// cannot be replaced until it lets go, so a refusal is tried again for up to about two seconds.
int FileSystemCalls::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    constexpr int Attempts = 200;
    constexpr DWORD PauseMilliseconds = 10;
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        const DWORD error = ::GetLastError();
        if (attempt == Attempts ||
            (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION))
            return -1;
        ::Sleep(PauseMilliseconds);
    }
}

int LastSystemError() {
    return static_cast<int>(::GetLastError());
}

void SetLastSystemError(int error) {
    ::SetLastError(static_cast<DWORD>(error));
}

std::string SystemErrorText(int error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring wide(text != nullptr ? text : L"", length);
    ::LocalFree(text);
    // The system's texts end in a full stop and a line break.
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
        wide.pop_back();
    if (wide.empty())
        return "error " + std::to_string(error);
    std::string utf8(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(),
                                                                    static_cast<int>(wide.size()),
                                                                    nullptr, 0, nullptr, nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}
