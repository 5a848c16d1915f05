// The pauses of the start-up sequence, given to it so that tests need not wait.
#pragma once

#include <chrono>

class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void Wait(std::chrono::milliseconds duration) = 0;
};
