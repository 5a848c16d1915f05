// Waits while the thread's windows go on painting and getting their messages.
#include "platform/message_pump_waiter.h"

#include <chrono>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

constexpr UINT PumpedMessages = PM_QS_PAINT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
constexpr DWORD PumpedWakes = QS_PAINT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER;

// Dispatches the pumped messages now in the queue; false when a quit message came, which is
// posted again for the loop that waits for it.
bool DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PumpedMessages)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

} // namespace

void MessagePumpWaiter::Wait(std::chrono::milliseconds duration) {
    // The steady clock rather than the tick count, whose steps of several milliseconds would end
    // the wait early.
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (DispatchPending()) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return;
        // Wakes for messages already queued too, not only for ones that arrive after this call.
        const auto timeout = std::chrono::ceil<std::chrono::milliseconds>(left);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeout.count()), PumpedWakes,
                                    MWMO_INPUTAVAILABLE);
    }
}
