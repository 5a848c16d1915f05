// The words the tool was started with: on POSIX systems its arguments as they came.
#include "command_line.h"

std::vector<std::string> CommandLineWords(int argc, char* argv[]) {
    return {argv + 1, argv + argc};
}
