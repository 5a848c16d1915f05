// The words the tool was started with, in UTF-8 on every system.
#pragma once

#include <string>
#include <vector>

// Without the program's own name. On Windows the words are read from the wide command line, so
// file names in any script reach the tool whole, and the console shows UTF-8.
std::vector<std::string> CommandLineWords(int argc, char* argv[]);
