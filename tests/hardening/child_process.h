// Starting a helper program with its standard input and output on streams the test gives, reading
// from it through a pipe, and ending it, on POSIX and on Windows.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX // the C++ library of MinGW-w64 defines it already
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

// A stream end a child may take as its standard input or output: a descriptor on POSIX, a handle
// on Windows. The test's own are never inherited by a child unless given to SpawnHelper.
#ifdef _WIN32
using StreamEnd = HANDLE;
using ChildId = HANDLE; // the process handle, closed by WaitFor
inline const StreamEnd NoStream = nullptr;
inline const ChildId NoChild = nullptr;
#else
using StreamEnd = int;
using ChildId = pid_t;
inline constexpr StreamEnd NoStream = -1;
inline constexpr ChildId NoChild = -1;
#endif

#ifdef _WIN32

namespace ChildProcessDetail {

// The exit code TerminateProcess gives a killed helper, which the helpers never return.
constexpr DWORD KilledCode = 0xDEADu;

inline std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

// One argument quoted so that the child's command-line parser gives it back unchanged:
// backslashes double only where a quote follows them.
inline void AppendQuoted(std::wstring& line, const std::wstring& argument) {
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

} // namespace ChildProcessDetail

// Both ends uninherited.
inline bool MakePipe(StreamEnd& readEnd, StreamEnd& writeEnd) {
    return CreatePipe(&readEnd, &writeEnd, nullptr, 0) != 0;
}

inline void CloseStream(StreamEnd stream) {
    CloseHandle(stream);
}

// Bytes read, 0 at the end of the stream, -1 on an error.
inline std::ptrdiff_t ReadStream(StreamEnd stream, char* buffer, std::size_t size) {
    DWORD got = 0;
    if (ReadFile(stream, buffer, static_cast<DWORD>(size), &got, nullptr))
        return static_cast<std::ptrdiff_t>(got);
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

// A file to take a child's output, created empty.
inline StreamEnd CreateOutputFile(const std::filesystem::path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? NoStream : file;
}

// NoStream leaves the test's own stream in place. Returns the child, or NoChild. The streams given
// are inheritable only while the child starts, so children started one after another take none
// of each other's.
inline ChildId SpawnHelper(const std::vector<std::string>& arguments, StreamEnd input = NoStream,
                           StreamEnd output = NoStream) {
    std::wstring line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += L' ';
        ChildProcessDetail::AppendQuoted(line, ChildProcessDetail::Wide(argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input != NoStream ? input : GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output != NoStream ? output : GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const HANDLE given[] = {startup.hStdInput, startup.hStdOutput, startup.hStdError};
    for (const HANDLE handle : given)
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    PROCESS_INFORMATION process{};
    const bool started =
        CreateProcessW(ChildProcessDetail::Wide(arguments.at(0)).c_str(), line.data(), nullptr,
                       nullptr, TRUE, 0, nullptr, nullptr, &startup, &process) != 0;
    for (const HANDLE handle : given)
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    if (!started)
        return NoChild;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Ends the child at once, wherever it is.
inline void KillHelper(ChildId child) {
    TerminateProcess(child, ChildProcessDetail::KilledCode);
}

// The child's exit status once it has ended, or -1; the child is gone afterwards.
inline int WaitFor(ChildId child) {
    DWORD code = 0;
    const bool ended = WaitForSingleObject(child, INFINITE) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(child, &code) != 0;
    CloseHandle(child);
    return ended ? static_cast<int>(code) : -1;
}

inline bool ExitedCleanly(int status) {
    return status == 0;
}

inline bool WasKilled(int status) {
    return status == static_cast<int>(ChildProcessDetail::KilledCode);
}

#else

// Both ends closed on exec.
inline bool MakePipe(StreamEnd& readEnd, StreamEnd& writeEnd) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    readEnd = ends[0];
    writeEnd = ends[1];
    return true;
}

inline void CloseStream(StreamEnd stream) {
    ::close(stream);
}

// Bytes read, 0 at the end of the stream, -1 on an error.
inline std::ptrdiff_t ReadStream(StreamEnd stream, char* buffer, std::size_t size) {
    ssize_t got = 0;
    do
        got = ::read(stream, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

// A file to take a child's output, created empty.
inline StreamEnd CreateOutputFile(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// NoStream leaves the test's own stream in place. Returns the child, or NoChild.
inline ChildId SpawnHelper(const std::vector<std::string>& arguments, StreamEnd input = NoStream,
                           StreamEnd output = NoStream) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input >= 0)
        posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    if (output >= 0)
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = NoChild;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = NoChild;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Ends the child at once, wherever it is.
inline void KillHelper(ChildId child) {
    ::kill(child, SIGKILL);
}

// The child's exit status as waitpid gives it, or -1.
inline int WaitFor(ChildId child) {
    int status = 0;
    pid_t result = 0;
    do
        result = ::waitpid(child, &status, 0);
    while (result < 0 && errno == EINTR);
    return result == child ? status : -1;
}

inline bool ExitedCleanly(int status) {
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline bool WasKilled(int status) {
    return status >= 0 && WIFSIGNALED(status);
}

#endif
