// Waits while the event loop goes on, so windows already shown keep painting.
#pragma once

#include "platform/waiter.h"

class EventLoopWaiter final : public Waiter {
public:
    void Wait(std::chrono::milliseconds duration) override;
};
