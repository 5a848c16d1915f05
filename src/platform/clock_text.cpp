// The two-digit pieces that clock texts such as "01:02:05" and "100:00:00" are built from.
#include "platform/clock_text.h"

#include <cstdio>

std::string TwoDigits(int value) {
    // Room for the sign, ten digits and the terminator of the most negative int.
    char text[16];
    std::snprintf(text, sizeof text, "%2.2d", value);
    return text;
}
