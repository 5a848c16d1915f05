#include "base/clock_text.h"

#include <cstdio>

std::string TwoDigits(int value) {
    // Room for the sign, ten digits and the terminator of the most negative int.
    char text[16];
    std::snprintf(text, sizeof text, "%2.2d", value);
    return text;
}

ClockParts SplitSeconds(int seconds) {
    return {seconds / 3600, seconds % 3600 / 60, seconds % 60};
}

std::string ClockText(int seconds) {
    const ClockParts parts = SplitSeconds(seconds);
    return TwoDigits(parts.Hours) + ":" + TwoDigits(parts.Minutes) + ":" + TwoDigits(parts.Seconds);
}
