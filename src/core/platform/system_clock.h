// The machine's own clock.
#pragma once

#include "platform/clock.h"

class SystemClock final : public Clock {
public:
    double OleNow() override;
};
