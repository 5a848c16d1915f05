// Programs of the Windows build started under wine on the driver's X display.
#include "window_driver/wine_gui.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/syscall.h>

namespace {

std::filesystem::path WinePrefix;

// posix_spawn wants a path; wine, xdotool and wineserver are found where the shell finds them.
std::string OnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(start, end - start)) / name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        start = end + 1;
    }
    return name;
}

ChildId Spawn(const std::vector<std::string>& arguments, StreamEnd input, StreamEnd output) {
    const int nothing = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input >= 0 ? input : nothing, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output >= 0 ? output : nothing, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, nothing, STDERR_FILENO);
    const std::string program = OnPath(arguments.front());
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (std::size_t i = 1; i < arguments.size(); ++i)
        argv.push_back(const_cast<char*>(arguments[i].c_str()));
    argv.push_back(nullptr);
    pid_t pid = NoChild;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid = NoChild;
    posix_spawn_file_actions_destroy(&actions);
    ::close(nothing);
    return pid;
}

} // namespace

void UseWinePrefix(const std::filesystem::path& prefix) {
    WinePrefix = prefix;
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    ::setenv("WINEARCH", "win32", 1);
    ::setenv("WINEDEBUG", "-all", 1);
    // No offer to install .NET or a browser engine at the first start.
    ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    std::filesystem::create_directories(prefix);
    // Two drivers starting at once in a missing prefix would both make it.
    const std::string lockPath = prefix.string() + ".lock";
    const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ::flock(lock, LOCK_EX);
    if (!std::filesystem::exists(prefix / "system.reg"))
        RunProgram({"wineboot", "--init"});
    ::flock(lock, LOCK_UN);
    ::close(lock);
    // One server for the whole run saves a second at every start; it leaves 30 seconds after
    // its last program, should the driver itself be killed.
    RunProgram({"wineserver", "-p", "30"});
}

std::string WindowsPath(const std::filesystem::path& path) {
    std::string text = "Z:" + std::filesystem::absolute(path).lexically_normal().string();
    for (char& c : text)
        if (c == '/')
            c = '\\';
    return text;
}

ChildId StartUnderWine(const std::vector<std::string>& arguments, StreamEnd input,
                       StreamEnd output) {
    std::vector<std::string> command{"wine"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return Spawn(command, input, output);
}

int RunProgram(const std::vector<std::string>& arguments, std::string* output) {
    StreamEnd readEnd = NoStream, writeEnd = NoStream;
    if (output && !MakePipe(readEnd, writeEnd))
        return -1;
    const ChildId child = Spawn(arguments, NoStream, writeEnd);
    if (output) {
        CloseStream(writeEnd);
        char buffer[4096];
        for (std::ptrdiff_t got; (got = ReadStream(readEnd, buffer, sizeof(buffer))) > 0;)
            output->append(buffer, static_cast<std::size_t>(got));
        CloseStream(readEnd);
    }
    return child == NoChild ? -1 : WaitFor(child);
}

std::optional<int> WaitWithin(ChildId child, std::chrono::milliseconds limit) {
    // A process descriptor becomes readable when the process ends, so the wait needs no polling.
    const int process = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    if (process >= 0) {
        pollfd ended{process, POLLIN, 0};
        const int ready = ::poll(&ended, 1, static_cast<int>(limit.count()));
        ::close(process);
        if (ready <= 0)
            return std::nullopt;
    }
    return WaitFor(child);
}

void EndWine() {
    if (!WinePrefix.empty())
        RunProgram({"wineserver", "-k"});
}
