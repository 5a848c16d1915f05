#include "platform/system_clock.h"

#include "platform/date_text.h"

#include <QDateTime>

double SystemClock::OleNow() {
    return ::OleNow(QDateTime::currentDateTime());
}
