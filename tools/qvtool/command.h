// One of the tool's commands: its name, its help and the function that carries it out.
#pragma once

#include "tool_arguments.h"

#include <ostream>
#include <span>
#include <string_view>

struct Command {
    std::string_view Name;
    std::string_view Summary; // one line for the tool's own help
    std::string_view Help;    // the whole of "qvtool NAME --help"
    std::span<const OptionSpec> Options;
    // Writes its report to `out` and returns the exit code; throws ToolError on failure.
    int (*Run)(const ToolArguments& arguments, std::ostream& out);
};

extern const Command MakeCommand;
extern const Command InfoCommand;
extern const Command CheckCommand;
extern const Command ImportCommand;
extern const Command ExportCommand;
extern const Command GenerateCommand;
