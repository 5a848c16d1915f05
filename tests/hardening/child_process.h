// Starting a helper program with its standard input and output on descriptors the test gives.
#pragma once

#include <cerrno>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// -1 for a descriptor leaves the test's own in place. Returns the child's id, or -1.
inline pid_t SpawnHelper(const std::vector<std::string>& arguments, int input = -1,
                         int output = -1) {
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
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The child's exit status as waitpid gives it, or -1.
inline int WaitFor(pid_t pid) {
    int status = 0;
    pid_t result = 0;
    do
        result = ::waitpid(pid, &status, 0);
    while (result < 0 && errno == EINTR);
    return result == pid ? status : -1;
}

inline bool ExitedCleanly(int status) {
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
