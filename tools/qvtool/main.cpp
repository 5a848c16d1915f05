// qvtool: makes, inspects, checks, imports, exports and generates the game's puzzle files.
#include "command.h"
#include "command_line.h"
#include "tool_error.h"

#include <array>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr std::array<const Command*, 6> Commands{&MakeCommand,   &InfoCommand,   &CheckCommand,
                                                 &ImportCommand, &ExportCommand, &GenerateCommand};

void PrintToolHelp(std::ostream& out) {
    out << "usage: qvtool COMMAND [arguments]\n\nCommands:\n";
    for (const Command* command : Commands)
        out << "  " << command->Name << std::string(10 - command->Name.size(), ' ')
            << command->Summary << '\n';
    out << "\nRun \"qvtool COMMAND --help\" for a command's arguments and options.\n"
           "New puzzles are dated by the clock, or by SOURCE_DATE_EPOCH (seconds since 1970,\n"
           "UTC) when it is set, so that a collection built twice is the same bytes.\n";
}

int Run(const std::vector<std::string>& words) {
    if (words.empty())
        throw ToolError("no command given; run \"qvtool --help\" for the commands");
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintToolHelp(std::cout);
        return 0;
    }
    for (const Command* command : Commands) {
        if (command->Name != words[0])
            continue;
        const ToolArguments arguments({words.begin() + 1, words.end()}, command->Options);
        if (arguments.HelpWanted()) {
            std::cout << command->Help;
            return 0;
        }
        return command->Run(arguments, std::cout);
    }
    throw ToolError("unknown command \"" + words[0] + "\"; run \"qvtool --help\" for the commands");
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(CommandLineWords(argc, argv));
    } catch (const ToolError& error) {
        std::cerr << "qvtool: " << error.what() << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "qvtool: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "qvtool: " << error.what() << '\n';
    }
    return 1;
}
