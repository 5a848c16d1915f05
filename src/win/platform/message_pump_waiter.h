// Waits while the thread's windows go on painting and getting their messages.
#pragma once

#include "platform/waiter.h"

class MessagePumpWaiter final : public Waiter {
public:
    // Dispatches painting, sent and posted messages (timers among them) until the time is up.
    // Keyboard and mouse input waits in the queue for the message loop, so no command starts
    // inside a start-up pause; a quit message ends the wait and is left for the message loop.
    void Wait(std::chrono::milliseconds duration) override;
};
