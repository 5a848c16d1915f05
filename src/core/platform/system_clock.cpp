#include "platform/system_clock.h"

#include "platform/ole_date.h"

double SystemClock::OleNow() {
    return OleDateNow();
}
