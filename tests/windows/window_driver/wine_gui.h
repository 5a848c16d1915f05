// Programs of the Windows build started under wine on the driver's X display, in a prefix of the
// driver's own, and the ending of everything wine runs there.
#pragma once

#include "hardening/child_process.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Sets wine's environment for the prefix, makes the prefix on first use and keeps its server up
// until EndWine.
void UseWinePrefix(const std::filesystem::path& prefix);

// The path as a Windows program names it: drive Z: is the Unix root.
std::string WindowsPath(const std::filesystem::path& path);

// `wine` with the arguments; the streams given become its standard input and output, the others
// and its errors go to the null device, so nothing wine leaves running holds the test's output.
ChildId StartUnderWine(const std::vector<std::string>& arguments, StreamEnd input = NoStream,
                       StreamEnd output = NoStream);

// A Linux program found on PATH, with the arguments, its output into the string; its exit status
// as waitpid gives it, or -1 when it could not start.
int RunProgram(const std::vector<std::string>& arguments, std::string* output = nullptr);

// The exit status once the child has ended, or nothing when it still runs after the limit.
std::optional<int> WaitWithin(ChildId child, std::chrono::milliseconds limit);

// Ends every program of the prefix and its server.
void EndWine();
