// The failure of a command: its text becomes the one line "qvtool: <text>" on standard error.
#pragma once

#include <stdexcept>

class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
