#include "platform/event_loop_waiter.h"

#include <QEventLoop>
#include <QTimer>

void EventLoopWaiter::Wait(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
