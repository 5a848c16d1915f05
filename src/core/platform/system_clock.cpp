#include "platform/system_clock.h"

#include "base/ole_date.h"

double SystemClock::OleNow() {
    return OleDateNow();
}
